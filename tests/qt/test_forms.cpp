// Windows built from their layouts, read back widget by widget, and driven
// with the keyboard the way a player would.

#include "platform/qt/command_button.h"
#include "platform/qt/fonts.h"
#include "platform/qt/form.h"
#include "support/game_driver.h"
#include "platform/qt/image.h"
#include "platform/qt/label.h"
#include "platform/qt/picture_box.h"
#include "platform/qt/text_box.h"
#include "platform/qt/timer.h"
#include "platform/qt/twips.h"
#include "resources/screen_layout.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

using namespace tolvane;
using namespace tolvane::qt;
using namespace tolvane::testing;

Q_DECLARE_METATYPE(tolvane::ScreenId)

namespace {

QString qs(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

// A shown, active window whose control events are written down.
struct ShownForm {
    explicit ShownForm(ScreenId id) : form(layoutOf(id), testPictures(), testFrame())
    {
        form.setEventSink([this](const QString &control, const QString &event) { events << control + "_" + event; });
        form.showAndActivate();
        QVERIFY(QTest::qWaitForWindowActive(&form));
    }
    template <class T> T *get(const char *name) { return form.controlAs<T>(QString::fromUtf8(name)); }
    Form form;
    QStringList events;
};

// The leftmost column and the lowest row with any ink darker than the
// background, in a label drawn black on white.
struct Ink {
    int left = -1;
    int bottom = -1;
};

Ink inkOf(const QString &caption, int width = 400, int height = 120)
{
    const QImage image = drawnLabel(caption, width, height);
    Ink ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 128) {
                if (ink.left < 0 || x < ink.left)
                    ink.left = x;
                ink.bottom = y;
            }
        }
    }
    return ink;
}

} // namespace

class TestForms : public QObject {
    Q_OBJECT
private slots:
    void windowsMatchTheirLayouts_data();
    void windowsMatchTheirLayouts();
    void facesAreInstalled();
    void labelsWrapClipAndBreakOnCarriageReturn();
};

void TestForms::windowsMatchTheirLayouts_data()
{
    QTest::addColumn<ScreenId>("id");
    for (int slot = 0; slot < screenCount; ++slot) {
        const auto id = static_cast<ScreenId>(slot);
        QTest::newRow(nameOf(id).data()) << id;
    }
}

void TestForms::windowsMatchTheirLayouts()
{
    QFETCH(ScreenId, id);
    const ScreenLayout &layout = layoutOf(id);
    Form form(layout, testPictures(), testFrame());

    QCOMPARE(form.objectName(), qs(layout.name));
    QCOMPARE(form.windowTitle(), qs(layout.caption));
    QCOMPARE(form.clientArea()->size(), QSize(layout.clientWidth / 15, layout.clientHeight / 15));
    QCOMPARE(form.clientArea()->y(), form.menuBar() ? form.menuBar()->height() : 0);
    QCOMPARE(form.size(), QSize(layout.clientWidth / 15, form.clientArea()->geometry().bottom() + 1));

    QCOMPARE(form.menuBar() != nullptr, layout.menu.present());
    if (layout.menu.present()) {
        const auto actions = form.menuBar()->actions();
        QCOMPARE(actions.size(), 2);
        QCOMPARE(actions[0]->text(), QStringLiteral("&Jeu"));
        QCOMPARE(actions[0]->menu()->objectName(), qs(layout.menu.game));
        QCOMPARE(actions[0]->menu()->actions().size(), 1);
        QCOMPARE(actions[0]->menu()->actions()[0]->text(), QStringLiteral("&Quitter"));
        QCOMPARE(actions[0]->menu()->actions()[0]->objectName(), qs(layout.menu.quit));
        QCOMPARE(actions[1]->text(), QStringLiteral("&A propos de..."));
        QCOMPARE(actions[1]->objectName(), qs(layout.menu.about));
        QVERIFY(!actions[1]->menu());
    }

    QWidget *previous = nullptr;
    for (const ControlLayout &c : layout.controls) {
        QObject *object = form.control(qs(c.name));
        QVERIFY2(object, c.name.data());
        QCOMPARE(object->objectName(), qs(c.name));
        if (c.kind == ControlKind::Timer) {
            auto *timer = qobject_cast<Timer *>(object);
            QVERIFY(timer);
            QCOMPARE(timer->interval(), c.interval);
            continue;
        }
        auto *widget = qobject_cast<QWidget *>(object);
        switch (c.kind) {
        case ControlKind::Label: QVERIFY(qobject_cast<Label *>(widget)); break;
        case ControlKind::TextBox: QVERIFY(qobject_cast<TextBox *>(widget)); break;
        case ControlKind::CommandButton: QVERIFY(qobject_cast<CommandButton *>(widget)); break;
        case ControlKind::PictureBox: QVERIFY(qobject_cast<PictureBox *>(widget)); break;
        case ControlKind::Image: QVERIFY(qobject_cast<Image *>(widget)); break;
        case ControlKind::Timer: break;
        }
        QCOMPARE(widget->isHidden(), !c.visible);

        // Placed in its container: a picture box's inner area, two pixels
        // inside its sunken border.
        QWidget *container = form.clientArea();
        if (!c.container.empty())
            container = form.controlAs<PictureBox>(qs(c.container))->innerArea();
        QCOMPARE(widget->parentWidget(), container);
        if (!c.container.empty())
            QCOMPARE(container->pos(), QPoint(2, 2));
        QCOMPARE(widget->geometry(), pixelRect(controlRect(c)));

        if (c.kind == ControlKind::Label || c.kind == ControlKind::TextBox || c.kind == ControlKind::CommandButton) {
            QCOMPARE(QFontInfo(widget->font()).family(), installedFaceFor(c.font.face));
            QCOMPARE(widget->font().pointSizeF(), c.font.points);
            QCOMPARE(widget->font().bold(), c.font.weight >= 700);
        }
        if (auto *button = qobject_cast<QPushButton *>(widget)) {
            QCOMPARE(button->text(), qs(c.caption));
            QVERIFY(!button->isDefault());
            QVERIFY(!button->autoDefault());
        }
        if (auto *label = qobject_cast<Label *>(widget))
            QCOMPARE(label->caption(), qs(c.caption));
        QCOMPARE(widget->focusPolicy() == Qt::NoFocus,
                 c.kind == ControlKind::Label || c.kind == ControlKind::Image);

        // An earlier control lies above a later one among its siblings.
        if (previous && previous->parentWidget() == widget->parentWidget()) {
            const auto siblings = widget->parentWidget()->children();
            QVERIFY2(siblings.indexOf(previous) > siblings.indexOf(widget), c.name.data());
        }
        previous = widget;
    }
}

void TestForms::facesAreInstalled()
{
    const QStringList families = QFontDatabase::families();
    for (std::string_view face : {sansFace, displayFace}) {
        const QString installed = installedFaceFor(face);
        QVERIFY2(families.contains(installed), qPrintable(installed));
        for (double points : {8.0, 12.0, 13.5, 18.0, 21.75, 24.0}) {
            const QFont font = fontFor({face, points, 700});
            QCOMPARE(QFontInfo(font).family(), installed);
            QCOMPARE(font.pointSizeF(), points);
        }
    }
}

void TestForms::labelsWrapClipAndBreakOnCarriageReturn()
{
    // A carriage return starts a new line; the caption keeps the character.
    const Ink oneLine = inkOf(QStringLiteral("Tatin. Qui suis-je?"));
    const Ink twoLines = inkOf(QStringLiteral("Tatin.\rQui suis-je?"));
    QVERIFY(twoLines.bottom > oneLine.bottom + 10);
    QCOMPARE(Label::drawnText(QStringLiteral("a\rb")), QStringLiteral("a\u2028b"));

    // Leading spaces are drawn, not trimmed.
    const Ink spaced = inkOf(QStringLiteral("        CORRECT !"));
    const Ink bare = inkOf(QStringLiteral("CORRECT !"));
    QVERIFY(spaced.left > bare.left + 20);

    // Too long for its label: wrapped at word boundaries, then clipped at the bottom.
    const QString longCaption = QStringLiteral("mot ").repeated(60);
    const Ink wrapped = inkOf(longCaption, 120, 400);
    QVERIFY(wrapped.bottom > 60);
    const Ink clipped = inkOf(longCaption, 120, 40);
    QVERIFY(clipped.bottom <= 39);

    // On its window, the riddle label keeps its size whatever it holds.
    Form form(layoutOf(ScreenId::tolvane8), testPictures(), testFrame());
    auto *riddle = form.controlAs<Label>(u"question3");
    const QRect before = riddle->geometry();
    riddle->setCaption(longCaption);
    QCOMPARE(riddle->geometry(), before);
}

QTEST_MAIN(TestForms)
#include "test_forms.moc"
