#include "AET_Unit.h"
#include "ui_AET_Unit.h"

#include "correlation.h"
#include "entryrules.h"

#include <QFont>
#include <QTextDocument>
#include <QTimer>

#include <array>
#include <cstdio>

using namespace entryrules;
using boxevents::enterKey;
using boxevents::escapeKey;

namespace {

constexpr QPoint windowPosition(5, 7);
constexpr int pictureInterval = 10'000; // ms
constexpr int pictureCount = 3;
constexpr int firstPicture = 3;
constexpr int noPicture = 0;

// The window description names the font its designer had; Linux has a sans
// font of the same metrics under another name.
void substituteFonts()
{
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
}

// The description gives font heights in pixels as the dynamic property
// "pixelHeight", since a .ui font has only whole points.
void applyPixelHeights(QWidget *root)
{
    QList<QWidget *> widgets = root->findChildren<QWidget *>();
    widgets << root;
    for (QWidget *widget : std::as_const(widgets)) {
        const QVariant height = widget->property("pixelHeight");
        if (height.isValid()) {
            QFont font = widget->font();
            font.setPixelSize(height.toInt());
            widget->setFont(font);
        }
    }
}

std::u16string_view utf16(const QString &text)
{
    return {QStringView(text).utf16(), static_cast<std::size_t>(text.size())};
}

} // namespace

TAET_Form::TAET_Form(QWidget *Owner)
    : FormWindow(Owner), ui(std::make_unique<Ui::TAET_Form>()), Timer1(new QTimer(this))
{
    Q_INIT_RESOURCE(resources); // the pictures live in this static library
    substituteFonts();
    ui->setupUi(this);
    move(windowPosition);
    applyPixelHeights(ui->ClientArea);
    ui->Memo1->document()->setDefaultTextOption(QTextOption(Qt::AlignHCenter));
    // A box of automatic height is as high as its font's line.
    ui->PressureEdit->resize(ui->PressureEdit->width(), ui->PressureEdit->fontMetrics().height());

    connect(this, &FormWindow::firstActivated, this, &TAET_Form::FormActivate);
    connect(ui->TempEdit, &EditBox::keyDown, this, &TAET_Form::TempEditKeyDown);
    connect(ui->PressureEdit, &EditBox::keyDown, this, &TAET_Form::PressureEditKeyDown);
    connect(ui->AET_Memo, &MemoBox::keyDown, this, &TAET_Form::AET_MemoKeyDown);
    connect(ui->TempEdit, &EditBox::entered, this, &TAET_Form::TempEditEnter);
    connect(ui->PressureEdit, &EditBox::entered, this, &TAET_Form::PressureEditEnter);
    connect(ui->AET_Memo, &MemoBox::entered, this, &TAET_Form::AET_MemoEnter);
    connect(ui->TempUnitsLabel, &UnitLabel::clicked, this, &TAET_Form::TempUnitsLabelClick);
    connect(ui->PressureUnitsLabel, &UnitLabel::clicked, this, &TAET_Form::PressureUnitsLabelClick);
    connect(ui->AET_UnitsLabel, &UnitLabel::clicked, this, &TAET_Form::AET_UnitsLabelClick);
    connect(ui->Exit1, &QAction::triggered, this, &TAET_Form::Exit1Click);
    connect(ui->Instructions1, &QAction::triggered, this, &TAET_Form::Instructions1Click);
    connect(ui->About1, &QAction::triggered, this, &TAET_Form::About1Click);
    connect(ui->OkButton, &QPushButton::clicked, this, &TAET_Form::OkButtonClick);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    connect(Timer1, &QTimer::timeout, this, &TAET_Form::Timer1Timer);
    Timer1->start(pictureInterval);
}

TAET_Form::~TAET_Form() = default;

// --- Calculator ------------------------------------------------------------

void TAET_Form::UpdateDisplay()
{
    std::snprintf(TextBuffer, sizeof TextBuffer, "%s", temperatureCaption(TempInCelsius));
    ui->TempUnitsLabel->setText(QString::fromLatin1(TextBuffer));
    ui->AET_UnitsLabel->setText(QString::fromLatin1(TextBuffer));
    std::snprintf(TextBuffer, sizeof TextBuffer, "%s", pressureCaption(PressureInTorr));
    ui->PressureUnitsLabel->setText(QString::fromLatin1(TextBuffer));

    if (!PressureValid)
        return;
    WorkPressure = toTorr(PressureValue, PressureInTorr);
    if (TempValid) {
        WorkTemp = toCelsius(TempValue, TempInCelsius);
        WorkAET = fromCelsius(ComputeAET(), TempInCelsius);
        formatTemperature(WorkAET, TextBuffer, sizeof TextBuffer);
        SetText(*ui->AET_Memo);
    } else if (AET_Valid) {
        WorkAET = toCelsius(TempValue, TempInCelsius);
        WorkTemp = fromCelsius(ComputeActualTemp(), TempInCelsius);
        formatTemperature(WorkTemp, TextBuffer, sizeof TextBuffer);
        SetText(*ui->TempEdit);
    }
}

bool TAET_Form::IsNumeric(const char *Text) const
{
    return isNumeric(Text);
}

double TAET_Form::ComputeAET() const
{
    return correlation::aetFromActual(WorkTemp, WorkPressure);
}

double TAET_Form::ComputeActualTemp() const
{
    return correlation::actualFromAet(WorkAET, WorkPressure);
}

// Trims the box's text, and if it is a number, limits it, stores it in Value
// and shows it formatted. Returns whether the entry was committed.
bool TAET_Form::CommitEntry(BoxText &Box, const Range &Limits, void (*Format)(double, char *, std::size_t),
                            double &Value)
{
    EntryText = TextBuffer;
    const QString typed = Box.boxText();
    const std::u16string_view kept = trimmed(utf16(typed));
    Box.setBoxText(QStringView(kept.data(), std::ssize(kept)).toString());
    if (!copyEntry(utf16(Box.boxText()), TextBuffer, sizeof TextBuffer) || !IsNumeric(EntryText))
        return false;
    EntryValue = limited(readNumber(TextBuffer), Limits);
    Value = EntryValue;
    Format(Value, TextBuffer, sizeof TextBuffer);
    SetText(Box);
    return true;
}

void TAET_Form::Clear(BoxText &Box)
{
    TextBuffer[0] = '\0';
    SetText(Box);
}

void TAET_Form::SetText(BoxText &Box)
{
    Box.setBoxText(QString::fromLatin1(TextBuffer));
}

// The end of every key handler: Enter commits the box and refreshes, Esc
// only refreshes, and any other key has done all it does by clearing flags.
void TAET_Form::FinishKey(quint16 Key, bool &Valid, BoxText &Box, const Range &Limits,
                          void (*Format)(double, char *, std::size_t), double &Value)
{
    if (Key == enterKey)
        Valid = CommitEntry(Box, Limits, Format, Value);
    if (Key == enterKey || Key == escapeKey)
        UpdateDisplay();
}

void TAET_Form::TempEditKeyDown(QObject *, quint16 &Key, Qt::KeyboardModifiers)
{
    AET_Valid = false;
    Clear(*ui->AET_Memo);
    TempValid = false;
    FinishKey(Key, TempValid, *ui->TempEdit, temperatureRange(TempInCelsius), formatTemperature, TempValue);
}

void TAET_Form::PressureEditKeyDown(QObject *, quint16 &Key, Qt::KeyboardModifiers)
{
    PressureValid = false;
    FinishKey(Key, PressureValid, *ui->PressureEdit, pressureRange(PressureInTorr), formatPressure, PressureValue);
}

void TAET_Form::AET_MemoKeyDown(QObject *, quint16 &Key, Qt::KeyboardModifiers)
{
    TempValid = false;
    Clear(*ui->TempEdit);
    AET_Valid = false;
    FinishKey(Key, AET_Valid, *ui->AET_Memo, temperatureRange(TempInCelsius), formatTemperature, TempValue);
}

void TAET_Form::TempEditEnter()
{
    TempValid = false;
    Clear(*ui->TempEdit);
    AET_Valid = false;
    Clear(*ui->AET_Memo);
    UpdateDisplay();
}

void TAET_Form::PressureEditEnter()
{
    PressureValid = false;
    Clear(*ui->PressureEdit);
}

void TAET_Form::AET_MemoEnter()
{
    AET_Valid = false;
    Clear(*ui->AET_Memo);
    TempValid = false;
    Clear(*ui->TempEdit);
    UpdateDisplay();
}

void TAET_Form::ToggleUnit(bool &InFirstUnit)
{
    InFirstUnit = !InFirstUnit;
    TempValid = false;
    Clear(*ui->TempEdit);
    PressureValid = false;
    Clear(*ui->PressureEdit);
    AET_Valid = false;
    Clear(*ui->AET_Memo);
    UpdateDisplay();
}

void TAET_Form::TempUnitsLabelClick()
{
    ToggleUnit(TempInCelsius);
}

void TAET_Form::PressureUnitsLabelClick()
{
    ToggleUnit(PressureInTorr);
}

void TAET_Form::AET_UnitsLabelClick()
{
    ToggleUnit(TempInCelsius);
}

// Runs once, at the window's first activation, before the first box is
// entered. It resets the unit flags without rewriting the captions, which
// is right only because the captions still show the description's units.
void TAET_Form::FormActivate()
{
    ReturnToPictures();
    AET_Valid = TempValid = PressureValid = false;
    TempInCelsius = PressureInTorr = true;
    TempValue = PressureValue = -1;
    Clear(*ui->AET_Memo);
}

// --- Information panels and pictures ---------------------------------------

void TAET_Form::ShowPicture(int Step)
{
    const std::array<QWidget *, pictureCount> images{ui->Image1, ui->Image2, ui->Image3};
    for (int i = 0; i < pictureCount; ++i)
        setControlVisible(images[i], i + 1 == Step);
}

void TAET_Form::ShowPanel(QWidget *Panel, QWidget *Other)
{
    setControlVisible(Panel, true);
    setControlVisible(ui->OkButton, true);
    setControlVisible(Other, false);
    ShowPicture(noPicture);
}

void TAET_Form::Instructions1Click()
{
    ShowPanel(ui->InstructionsMemo, ui->AboutMemo);
}

void TAET_Form::About1Click()
{
    ShowPanel(ui->AboutMemo, ui->InstructionsMemo);
}

void TAET_Form::ReturnToPictures()
{
    setControlVisible(ui->AboutMemo, false);
    setControlVisible(ui->InstructionsMemo, false);
    setControlVisible(ui->OkButton, false);
    PictureStep = firstPicture;
    ShowPicture(PictureStep);
}

void TAET_Form::OkButtonClick()
{
    ReturnToPictures();
}

void TAET_Form::Timer1Timer()
{
    if (!ui->InstructionsMemo->isHidden() || !ui->AboutMemo->isHidden()) {
        ShowPicture(noPicture);
        return;
    }
    PictureStep = PictureStep > 1 ? PictureStep - 1 : pictureCount;
    ShowPicture(PictureStep);
}

void TAET_Form::Exit1Click()
{
    close();
}
