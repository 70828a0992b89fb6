#include "AET_Unit.h"
#include "application.h"

#include <memory>

TAET_Form *AET_Form = nullptr;

int main(int, char *argv[])
{
    // The calculator takes no arguments: Qt sees none either, so that no
    // option of its own (-style, -reverse, ...) changes the window.
    int noArguments = 1;
    Application application(noArguments, argv);
    try {
        const auto form = std::make_unique<TAET_Form>();
        AET_Form = form.get();
        form->show();
        application.exec();
    } catch (const std::exception &error) {
        application.showException(error);
    }
    AET_Form = nullptr;
    return 0;
}
