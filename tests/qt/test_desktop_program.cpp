// The game as a desktop program: the program icon on every window, Qt's own
// texts in French whatever the desktop's language, everything exposed to
// assistive technology, and a whole game played with the keyboard alone.

#include "app_identity.h"
#include "platform/qt/command_button.h"
#include "platform/qt/error_box.h"
#include "platform/qt/form.h"
#include "platform/qt/image.h"
#include "platform/qt/label.h"
#include "platform/qt/startup.h"
#include "platform/qt/text_box.h"
#include "platform/qt/program_icon.h"
#include "platform/qt/text.h"
#include "shell/quiz_script.h"
#include "shell/screen_registry.h"
#include "support/game_driver.h"

#include <QAccessible>
#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

using namespace tolvane;
using namespace tolvane::qt;
using namespace tolvane::testing;
using tolvane::testing::GameDriver;
using tolvane::testing::typeText;

Q_DECLARE_METATYPE(tolvane::ScreenId)

namespace {

QString qs(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

QString withoutAmpersand(std::string_view caption) { return qs(caption).remove(QLatin1Char('&')); }

QAccessibleInterface *accessible(QObject *object) { return QAccessible::queryAccessibleInterface(object); }

// Every name a screen reader can reach under `root`, depth first.
QStringList namesUnder(QAccessibleInterface *root)
{
    QStringList names;
    if (!root)
        return names;
    names << root->text(QAccessible::Name);
    for (int i = 0; i < root->childCount(); ++i)
        names << namesUnder(root->child(i));
    return names;
}

} // namespace

class TestDesktopProgram : public QObject {
    Q_OBJECT
private slots:
    void everyWindowShowsTheProgramIcon();
    void qtTextsAreFrench();
    void windowsReadByAssistiveTechnology_data();
    void windowsReadByAssistiveTechnology();
    void wholeGameWithTheKeyboardAlone();
};

void TestDesktopProgram::everyWindowShowsTheProgramIcon()
{
    const QIcon icon = programIcon();
    QCOMPARE(icon.availableSizes(), QList<QSize>({QSize(16, 16), QSize(24, 24), QSize(32, 32), QSize(48, 48), QSize(64, 64)}));
    for (int slot = 0; slot < screenCount; ++slot) {
        Form form(layoutOf(static_cast<ScreenId>(slot)), testPictures(), testFrame());
        QCOMPARE(form.windowIcon().availableSizes(), icon.availableSizes());
        QCOMPARE(form.windowIcon().pixmap(32).toImage(), icon.pixmap(32).toImage());
    }
    QCOMPARE(QGuiApplication::desktopFileName(), QString::fromLatin1(appId));
}

void TestDesktopProgram::qtTextsAreFrench()
{
    // The desktop speaks English here (see main): Qt's buttons are French all the same.
    QStringList promptButtons, errorButtons;
    QString errorText;
    QTimer::singleShot(50, this, [&] {
        auto *box = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
        QVERIFY(box);
        for (QAbstractButton *button : box->findChild<QDialogButtonBox *>()->buttons())
            promptButtons << button->text().remove(QLatin1Char('&'));
        box->reject();
    });
    QInputDialog::getText(nullptr, QStringLiteral("t"), QStringLiteral("p"));
    promptButtons.sort();
    QCOMPARE(promptButtons, QStringList({QStringLiteral("Annuler"), QStringLiteral("OK")}));

    QTimer::singleShot(50, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        errorText = box->text();
        for (QAbstractButton *button : box->buttons())
            errorButtons << button->text().remove(QLatin1Char('&'));
        box->accept();
    });
    showErrorBox(QStringLiteral("LE TOLVANE VIRAIL"), toQString(errorBoxText(runtime::RuntimeError::floatingPoint())));
    QCOMPARE(errorText, QStringLiteral("Erreur d'exécution '6':\n\nDépassement de capacité"));
    QCOMPARE(errorButtons, QStringList{QStringLiteral("OK")});
}

void TestDesktopProgram::windowsReadByAssistiveTechnology_data()
{
    QTest::addColumn<ScreenId>("id");
    for (int slot = 0; slot < screenCount; ++slot)
        QTest::newRow(nameOf(static_cast<ScreenId>(slot)).data()) << static_cast<ScreenId>(slot);
}

void TestDesktopProgram::windowsReadByAssistiveTechnology()
{
    QFETCH(ScreenId, id);
    const ScreenLayout &layout = layoutOf(id);
    Form form(layout, testPictures(), testFrame());
    form.show();
    QAccessibleInterface *window = accessible(&form);
    QCOMPARE(window->role(), QAccessible::Window);
    QCOMPARE(window->text(QAccessible::Name), qs(layout.caption));

    for (const ControlLayout &c : layout.controls) {
        QObject *control = form.control(qs(c.name));
        QAccessibleInterface *iface = accessible(control);
        switch (c.kind) {
        case ControlKind::Label:
            QCOMPARE(iface->role(), QAccessible::StaticText);
            QCOMPARE(iface->text(QAccessible::Name), qs(c.caption));
            QCOMPARE(iface->state().invisible, !c.visible);
            break;
        case ControlKind::CommandButton:
            QCOMPARE(iface->role(), QAccessible::Button);
            QCOMPARE(iface->text(QAccessible::Name), withoutAmpersand(c.caption));
            break;
        case ControlKind::TextBox:
            QCOMPARE(iface->role(), QAccessible::EditableText);
            QVERIFY(iface->state().editable);
            QVERIFY(iface->textInterface());
            break;
        case ControlKind::Image:
            QCOMPARE(iface->role(), QAccessible::Graphic);
            QCOMPARE(iface->text(QAccessible::Name), qs(pictureInfo(c.picture).description));
            break;
        case ControlKind::PictureBox:
            QCOMPARE(iface->text(QAccessible::Name), qs(pictureInfo(c.picture).description));
            break;
        case ControlKind::Timer:
            break;
        }
    }
    if (layout.menu.present()) {
        const QStringList names = namesUnder(accessible(form.menuBar()));
        QVERIFY(names.contains(QStringLiteral("Jeu")));
        QVERIFY(names.contains(QStringLiteral("A propos de...")));
        QAccessibleInterface *game = accessible(form.findChild<QMenu *>(qs(layout.menu.game)));
        QVERIFY(namesUnder(game).contains(QStringLiteral("Quitter")));
    }
}

void TestDesktopProgram::wholeGameWithTheKeyboardAlone()
{
    GameDriver game(0.05);
    QTimer prompt;
    prompt.setInterval(10);
    connect(&prompt, &QTimer::timeout, this, [&] {
        auto *box = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
        if (!box || !box->focusWidget())
            return;
        prompt.stop();
        typeText(box->focusWidget(), QStringLiteral("Clavier"));
        QTest::keyClick(box->focusWidget(), Qt::Key_Return);
    });
    prompt.start();
    game.start();
    QVERIFY(game.waitUntilVisible(ScreenId::TOLVANE2));
    QCOMPARE(game.control<Label>(ScreenId::TOLVANE2, "nom")->caption(), QStringLiteral("Clavier!"));

    const QStringList answers{"marzelle", "lundi", "marzelle vastrelli", "vert", "faux"};
    for (std::size_t i = 0; i < quizScript.size(); ++i) {
        const QuizStep &step = quizScript[i];
        QVERIFY(game.waitUntilVisible(step.questionScreen));
        Form *question = game.form(step.questionScreen);
        QVERIFY(QTest::qWaitForWindowActive(question));
        // The focus starts on the first picture box: two Tabs reach the answer box.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), qs(step.answerBox));
        typeText(QApplication::focusWidget(), answers[int(i)]);
        QTest::keyClick(question, Qt::Key_R, Qt::AltModifier);
        const Verdict &verdict = i < 4 ? step.match : step.miss;
        QVERIFY(game.waitUntilVisible(verdict.screen));
        QVERIFY(QTest::qWaitForWindowActive(game.form(verdict.screen)));
        QCOMPARE(QApplication::focusWidget()->objectName(), qs(verdict.button));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    QVERIFY(game.waitUntilVisible(ScreenId::tolvane17));
    // The portrait takes no focus; a screen reader presses it for the player.
    QAccessibleInterface *portrait = accessible(game.control<Image>(ScreenId::tolvane17, "Image1"));
    QVERIFY(portrait->actionInterface());
    portrait->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY(!game.control<Label>(ScreenId::tolvane17, "Label3")->isHidden());
    game.quitWithTheMenu(ScreenId::tolvane17);
    QCOMPARE(game.screens().ending(), ScreenRegistry::Ending::Quit);
}

int main(int argc, char *argv[])
{
    qputenv("LANG", "en_US.UTF-8");
    qputenv("LC_ALL", "en_US.UTF-8");
    QApplication app(argc, argv);
    installFrenchTranslations(app);
    installProgramIdentity(app);
    TestDesktopProgram test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_desktop_program.moc"
