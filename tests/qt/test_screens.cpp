// The screens' handlers in the orders a player can bring about: the About box
// from each menu, the name prompt, the verdicts' way out, "&Quitter" anywhere.

#include "platform/qt/display.h"
#include "platform/qt/image.h"
#include "platform/qt/label.h"
#include "platform/qt/timer.h"
#include "screens/about_box.h"
#include "shell/centring.h"
#include "platform/qt/text.h"
#include "support/game_driver.h"

#include <QApplication>
#include <QInputDialog>
#include <QTest>

using namespace tolvane;
using namespace tolvane::qt;
using namespace tolvane::testing;
using tolvane::testing::GameDriver;

Q_DECLARE_METATYPE(tolvane::ScreenId)

namespace {

// Where the centring puts a screen now, in pixels.
QPoint centredPosition(Screen &screen)
{
    return {int(std::lround(centredOrigin(display::widthTwips(), screen.width()) / 15)),
            int(std::lround(centredOrigin(display::heightTwips(), screen.height()) / 15))};
}

// The screen was centred when it loaded: Left and Top are half the display
// less half the window, frame included once the desktop has framed a window
// (the very first one is measured before that), and the window stands there.
void verifyCentredAtLoad(Screen &screen)
{
    const QWidget &window = *formOf(screen);
    const float width = display::widthTwips() - 2 * screen.left();
    const float height = display::heightTwips() - 2 * screen.top();
    QVERIFY(width == window.width() * 15.0f || width == window.frameGeometry().width() * 15.0f);
    QVERIFY(height == window.height() * 15.0f || height == window.frameGeometry().height() * 15.0f);
    QCOMPARE(window.pos(), QPoint(int(std::lround(screen.left() / 15)), int(std::lround(screen.top() / 15))));
}

int visibleAboutBoxes()
{
    int count = 0;
    for (QWidget *widget : QApplication::topLevelWidgets())
        count += widget->objectName() == QLatin1String("frmapropos") && widget->isVisible();
    return count;
}

} // namespace

class TestScreens : public QObject {
    Q_OBJECT
private slots:
    void namePromptGreetsWithTheNameAsTyped_data();
    void namePromptGreetsWithTheNameAsTyped();
    void promptIsCentredAThirdDown();
    void aboutBoxRecentresOnlyTheFirstScreens();
    void aboutBoxIsOneWindowAndReloadsAfterClose();
    void firstVerdictHidesTheFirstQuestionAgain();
    void quitEndsFromEveryMenu_data();
    void quitEndsFromEveryMenu();
    void titleTickDuringThePromptIsHeldBack();
    void closingTheTitleEndsTheGame();
};


void TestScreens::namePromptGreetsWithTheNameAsTyped_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("greeting");
    QTest::newRow("name") << "abc" << true << "abc!";
    QTest::newRow("spaces kept") << "  Bob  " << true << "  Bob  !";
    QTest::newRow("empty OK") << "" << true << "!";
    QTest::newRow("cancel drops the typing") << "Gérard" << false << "!";
    QTest::newRow("accents") << "Gérard Ñúñez" << true << "Gérard Ñúñez!";
}

void TestScreens::namePromptGreetsWithTheNameAsTyped()
{
    QFETCH(QString, typed);
    QFETCH(bool, ok);
    QFETCH(QString, greeting);
    GameDriver game(0.02);
    game.answerPrompt(typed, ok);
    game.start();
    QVERIFY(game.waitUntilVisible(ScreenId::TOLVANE2));
    QCOMPARE(game.control<Label>(ScreenId::TOLVANE2, "nom")->caption(), greeting);
    QCOMPARE(game.screen(ScreenId::TOLVANE2)->loadCount(), 1);
    QVERIFY(!game.isVisible(ScreenId::TOLVANE1));
    // Whatever the name, the answer box starts empty and the first answer is judged alone.
    QVERIFY(game.control<QLineEdit>(ScreenId::TOLVANE2, "marzelletxt")->text().isEmpty());
}

void TestScreens::promptIsCentredAThirdDown()
{
    GameDriver game(0.02);
    QRect seen;
    QString title, prompt;
    QTimer look;
    look.setInterval(5);
    connect(&look, &QTimer::timeout, [&] {
        if (auto *box = qobject_cast<QInputDialog *>(QApplication::activeModalWidget())) {
            seen = box->frameGeometry();
            title = box->windowTitle();
            prompt = box->labelText();
            look.stop();
            game.answerPrompt(QString(), false);
        }
    });
    look.start();
    game.start();
    QVERIFY(game.waitUntilVisible(ScreenId::TOLVANE2));
    QCOMPARE(title, QStringLiteral("MARZELLE TE DEMANDE TON NOM"));
    QCOMPARE(prompt, QStringLiteral("Quel est ton nom jeune bon à rien ?"));
    const QRect screen = display::geometry();
    QVERIFY(std::abs(seen.center().x() - screen.center().x()) <= 4);
    QCOMPARE(seen.top(), screen.height() / 3);
}

void TestScreens::aboutBoxRecentresOnlyTheFirstScreens()
{
    GameDriver game(0.02);
    game.answerPrompt(QStringLiteral("x"));
    game.start();
    QVERIFY(game.waitUntilVisible(ScreenId::TOLVANE2));
    Screen &first = *game.screen(ScreenId::TOLVANE2);
    const QPoint centre = centredPosition(first);
    formOf(first)->move(centre + QPoint(-40, 25)); // the player drags it away
    game.openAboutBox(ScreenId::TOLVANE2);
    QCOMPARE(formOf(first)->pos(), centre);
    QVERIFY(first.isVisible());

    // Again while the About box is open: re-centred again, still one About box.
    formOf(first)->move(centre + QPoint(10, 10));
    game.openAboutBox(ScreenId::TOLVANE2);
    QCOMPARE(formOf(first)->pos(), centre);
    QCOMPARE(visibleAboutBoxes(), 1);

    // Question 2 opens it where the player put the window.
    game.show(ScreenId::tolvane5);
    Screen &second = *game.screen(ScreenId::tolvane5);
    const QPoint moved = centredPosition(second) + QPoint(33, -20);
    formOf(second)->move(moved);
    game.openAboutBox(ScreenId::tolvane5);
    QCOMPARE(formOf(second)->pos(), moved);
    QCOMPARE(game.screen(ScreenId::frmapropos)->loadCount(), 1);
}

void TestScreens::aboutBoxIsOneWindowAndReloadsAfterClose()
{
    GameDriver game;
    game.start();
    game.openAboutBox(ScreenId::TOLVANE1);
    game.openAboutBox(ScreenId::TOLVANE1);
    QCOMPARE(visibleAboutBoxes(), 1);
    Screen &about = *game.screen(ScreenId::frmapropos);
    QCOMPARE(about.loadCount(), 1);
    const QString text = game.control<Label>(ScreenId::frmapropos, "aproposlbl")->caption();
    QCOMPARE(text, toQString(AboutBox::aboutText()));
    QCOMPARE(text.size(), 47);
    QCOMPARE(text.count(QChar(u'\r')), 1);
    QVERIFY(!text.contains(QChar(u'\n')));
    QCOMPARE(text.indexOf(QChar(u'\r')), 30);
    // Never moved by the game: it keeps its design position.
    QCOMPARE(formOf(about)->geometry().topLeft(), QPoint(180, 302));

    formOf(about)->close();
    QVERIFY(!about.isLoaded());
    QVERIFY(!game.hasEnded()); // the title screen is still on view
    game.openAboutBox(ScreenId::TOLVANE1);
    QCOMPARE(about.loadCount(), 2);
    QCOMPARE(game.control<Label>(ScreenId::frmapropos, "aproposlbl")->caption(), toQString(AboutBox::aboutText()));
}


void TestScreens::firstVerdictHidesTheFirstQuestionAgain()
{
    GameDriver game(0.02);
    game.answerPrompt(QStringLiteral("x"));
    game.start();
    QVERIFY(game.waitUntilVisible(ScreenId::TOLVANE2));
    game.openAboutBox(ScreenId::TOLVANE2);
    game.type(ScreenId::TOLVANE2, "marzelletxt", QStringLiteral("Marzelle"));
    game.click(ScreenId::TOLVANE2, "reponse");
    QVERIFY(game.isVisible(ScreenId::tolvane3));
    QVERIFY(!game.isVisible(ScreenId::TOLVANE2));
    Screen &verdict = *game.screen(ScreenId::tolvane3);
    verifyCentredAtLoad(verdict);

    game.show(ScreenId::TOLVANE2); // brought back somehow
    game.form(ScreenId::tolvane3)->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(game.form(ScreenId::tolvane3)));
    QTest::keyClick(game.form(ScreenId::tolvane3), Qt::Key_S, Qt::AltModifier);
    QVERIFY(game.waitUntilVisible(ScreenId::tolvane5));
    QVERIFY(!game.isVisible(ScreenId::TOLVANE2));
    QVERIFY(!game.isVisible(ScreenId::tolvane3));
    QVERIFY(game.isVisible(ScreenId::frmapropos));
    QCOMPARE(game.screen(ScreenId::TOLVANE2)->loadCount(), 1);
    QVERIFY(!game.isLoaded(ScreenId::tolvane4));
}

void TestScreens::quitEndsFromEveryMenu_data()
{
    QTest::addColumn<ScreenId>("id");
    for (ScreenId id : {ScreenId::TOLVANE1, ScreenId::TOLVANE2, ScreenId::tolvane5, ScreenId::tolvane8,
                        ScreenId::tolvane11, ScreenId::TOLVANE14, ScreenId::tolvane17})
        QTest::newRow(nameOf(id).data()) << id;
}

void TestScreens::quitEndsFromEveryMenu()
{
    QFETCH(ScreenId, id);
    GameDriver game;
    game.answerPrompt(QString());
    game.show(ScreenId::tolvane6); // loaded and hidden behind
    game.show(id);
    game.screens().guard([&] { game.screens().get(ScreenId::tolvane6).hide(); });
    game.openAboutBox(id);
    game.quitWithTheMenu(id);
    QVERIFY(game.hasEnded());
    QCOMPARE(game.screens().ending(), ScreenRegistry::Ending::Quit);
    QCOMPARE(game.exitStatus(), std::optional<int>(0));
    QVERIFY(!game.form(id));
    QVERIFY(!game.form(ScreenId::frmapropos));
    QVERIFY(!game.form(ScreenId::tolvane6));
}

void TestScreens::titleTickDuringThePromptIsHeldBack()
{
    // The player takes longer than the title's advance over the prompt: the
    // tick that comes meanwhile is dropped, so no second prompt opens and
    // TOLVANE2 stays out of view until its load handler is done.
    GameDriver game(0.1); // the advance every 300 ms
    game.answerPrompt(QStringLiteral("lent"), true, 1200); // three more ticks meanwhile
    // What the player sees while still thinking over the prompt.
    bool seenWhileOpen = false, visibleWhileOpen = true, enabledWhileOpen = false;
    Screen::State stateWhileOpen = Screen::State::Created;
    QTimer::singleShot(1000, this, [&] {
        seenWhileOpen = game.promptsOpened() == 1 && QApplication::activeModalWidget();
        visibleWhileOpen = game.isVisible(ScreenId::TOLVANE2);
        stateWhileOpen = game.screen(ScreenId::TOLVANE2)->state();
        enabledWhileOpen = game.control<Timer>(ScreenId::TOLVANE1, "Timer1")->isEnabled();
    });
    game.start();
    QVERIFY(game.waitUntilVisible(ScreenId::TOLVANE2));
    QVERIFY(seenWhileOpen);
    QVERIFY(!visibleWhileOpen);
    QCOMPARE(stateWhileOpen, Screen::State::Loading);
    QVERIFY(enabledWhileOpen);
    Timer &advance = *game.control<Timer>(ScreenId::TOLVANE1, "Timer1");
    QVERIFY(!advance.isEnabled());
    QVERIFY(!advance.isActive()); // so no later tick opens another prompt
    QCOMPARE(game.promptsOpened(), 1);
    QCOMPARE(game.promptsOpenAtOnce(), 1);
    QCOMPARE(game.screen(ScreenId::TOLVANE2)->loadCount(), 1);
    QCOMPARE(game.control<Label>(ScreenId::TOLVANE2, "nom")->caption(), QStringLiteral("lent!"));
}


void TestScreens::closingTheTitleEndsTheGame()
{
    GameDriver game;
    game.start();
    game.form(ScreenId::TOLVANE1)->close();
    QVERIFY(game.hasEnded());
    QCOMPARE(game.screens().ending(), ScreenRegistry::Ending::LastWindowClosed);
    QVERIFY(!game.anyTimerRunning()); // so the title never moves on
    QCoreApplication::processEvents();
    QVERIFY(!game.isLoaded(ScreenId::TOLVANE2));
    QCOMPARE(game.promptsOpened(), 0);
}

QTEST_MAIN(TestScreens)
#include "test_screens.moc"
