#include "ui/Form.h"
#include "ui/MousePointer.h"

#include <QWidget>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {
class PlainForm : public ui::Form {
public:
    PlainForm() : Form(new QWidget) {}
};
}  // namespace

TEST(MousePointer, SetAndReadForTheScreenAndAWindow)
{
    PlainForm form;
    for (ui::MousePointer p : {ui::MousePointer::Hourglass, ui::MousePointer::Arrow, ui::MousePointer::Hourglass,
                               ui::MousePointer::Default}) {
        SCOPED_TRACE(int(p));
        ui::setScreenMousePointer(p);
        form.setMousePointer(p);
        EXPECT_EQ(ui::screenMousePointer(), p);
        EXPECT_EQ(form.mousePointer(), p);
    }
}

TEST(MousePointer, TheGuardRestoresThePointerWhenAnErrorUnwinds)
{
    PlainForm form;
    form.setMousePointer(ui::MousePointer::Arrow);
    try {
        ui::MousePointerGuard screen(ui::MousePointer::Hourglass);
        ui::MousePointerGuard window(form, ui::MousePointer::Hourglass);
        EXPECT_EQ(ui::screenMousePointer(), ui::MousePointer::Hourglass);
        EXPECT_EQ(form.mousePointer(), ui::MousePointer::Hourglass);
        throw std::runtime_error("the command failed");
    } catch (const std::runtime_error &) {
    }
    EXPECT_EQ(ui::screenMousePointer(), ui::MousePointer::Default);
    EXPECT_EQ(form.mousePointer(), ui::MousePointer::Arrow);

    {
        ui::MousePointerGuard outer(ui::MousePointer::Hourglass);
        {
            ui::MousePointerGuard inner(ui::MousePointer::Arrow);
        }
        EXPECT_EQ(ui::screenMousePointer(), ui::MousePointer::Hourglass) << "guards nest";
    }
    EXPECT_EQ(ui::screenMousePointer(), ui::MousePointer::Default);
}
