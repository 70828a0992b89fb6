#pragma once

// The calculator's one window. Three layers meet here:
//  - the window description (AET_Unit.ui) lays out the controls; the boxes
//    and labels are our own thin widgets (EditBox, MemoBox, UnitLabel,
//    PictureBox) that report key-down, focus and click events the way the
//    handlers below expect them;
//  - the handlers keep the calculator state in plain fields and never read a
//    box's text except to commit the entry of that box;
//  - the numbers themselves (entry rules, ranges, units, formats and the
//    correlation) come from the Qt-free core in calc/.

#include "formwindow.h"

#include <memory>

namespace Ui {
class TAET_Form;
}
class BoxText;
class QTimer;
namespace entryrules {
struct Range;
}

class TAET_Form : public FormWindow
{
    Q_OBJECT

public:
    explicit TAET_Form(QWidget *Owner = nullptr);
    ~TAET_Form() override;

private slots:
    void PressureEditKeyDown(QObject *Sender, quint16 &Key, Qt::KeyboardModifiers Shift);
    void TempEditKeyDown(QObject *Sender, quint16 &Key, Qt::KeyboardModifiers Shift);
    void FormActivate();
    void TempUnitsLabelClick();
    void PressureUnitsLabelClick();
    void AET_UnitsLabelClick();
    void Timer1Timer();
    void AET_MemoKeyDown(QObject *Sender, quint16 &Key, Qt::KeyboardModifiers Shift);
    void TempEditEnter();
    void PressureEditEnter();
    void AET_MemoEnter();
    void Exit1Click();
    void Instructions1Click();
    void OkButtonClick();
    void About1Click();

private:
    friend class FormProbe; // lets the tests read the state, never write it

    std::unique_ptr<Ui::TAET_Form> ui;
    QTimer *Timer1;

    bool TempInCelsius = true;
    bool PressureInTorr = true;
    bool AET_Valid = false;
    bool TempValid = false;
    bool PressureValid = false;
    // Every formatted text and a copy of the entry under test. An entry that
    // does not fit is not a number.
    char TextBuffer[64] = {};
    char *EntryText = TextBuffer;
    int PictureStep = 3;
    double EntryValue = 0;
    double WorkTemp = 0;
    double WorkPressure = 0;
    double WorkAET = 0;
    double PressureValue = -1;
    double TempValue = -1;

    void UpdateDisplay();
    bool IsNumeric(const char *Text) const;
    double ComputeAET() const;
    double ComputeActualTemp() const;

    bool CommitEntry(BoxText &Box, const entryrules::Range &Limits,
                     void (*Format)(double, char *, std::size_t), double &Value);
    void FinishKey(quint16 Key, bool &Valid, BoxText &Box, const entryrules::Range &Limits,
                   void (*Format)(double, char *, std::size_t), double &Value);
    void Clear(BoxText &Box);
    void SetText(BoxText &Box);
    void ToggleUnit(bool &InFirstUnit);
    void ShowPicture(int Step);
    void ShowPanel(QWidget *Panel, QWidget *Other);
    void ReturnToPictures();
};
