#pragma once

#include "AET_Unit.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

// Starts the window as the program does and gives the tests its controls and
// a read-only look at the calculator state.
class FormProbe
{
public:
    FormProbe()
    {
        form.show();
        if (!QTest::qWaitForWindowActive(&form))
            qFatal("the calculator window was never activated");
    }

    template <class Control = QWidget>
    Control *control(const char *name)
    {
        auto *found = form.findChild<Control *>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }

    QLineEdit *tempEdit() { return control<QLineEdit>("TempEdit"); }
    QLineEdit *pressureEdit() { return control<QLineEdit>("PressureEdit"); }
    QPlainTextEdit *aetMemo() { return control<QPlainTextEdit>("AET_Memo"); }
    QLabel *tempUnits() { return control<QLabel>("TempUnitsLabel"); }
    QLabel *pressureUnits() { return control<QLabel>("PressureUnitsLabel"); }
    QLabel *aetUnits() { return control<QLabel>("AET_UnitsLabel"); }

    bool tempValid() const { return form.TempValid; }
    bool pressureValid() const { return form.PressureValid; }
    bool aetValid() const { return form.AET_Valid; }
    bool inCelsius() const { return form.TempInCelsius; }
    bool inTorr() const { return form.PressureInTorr; }
    double tempValue() const { return form.TempValue; }
    double pressureValue() const { return form.PressureValue; }
    int pictureStep() const { return form.PictureStep; }

    TAET_Form form;
};
