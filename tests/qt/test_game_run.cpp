// Whole games played through the real widgets, as a player would.

#include "platform/qt/label.h"
#include "shell/picture_cache.h"
#include "support/game_driver.h"

#include <QMenu>
#include <QMenuBar>
#include <QTest>

using namespace tolvane;
using namespace tolvane::qt;
using namespace tolvane::testing;
using tolvane::testing::GameDriver;

class TestGameRun : public QObject {
    Q_OBJECT
private slots:
    void everyAnswerRight();
    void everyAnswerWrong();
    void quitFromTheMenuBeforeTheAdvance();
};

namespace {

std::vector<ScreenId> ids(std::initializer_list<ScreenId> list) { return list; }

} // namespace

void TestGameRun::everyAnswerRight()
{
    // As the program does: the pictures decoded on a thread of their own meanwhile.
    GameDriver game(0.05);
    game.screens().pictures().decodeInBackground();
    game.answerPrompt(QStringLiteral("MARZELLE"));
    game.start();
    QVERIFY(game.waitUntilVisible(ScreenId::TOLVANE2));
    QCOMPARE(game.control<Label>(ScreenId::TOLVANE2, "nom")->caption(), QStringLiteral("MARZELLE!"));

    const QStringList verdicts = game.playQuestions(
        {QStringLiteral("marzelle"), QStringLiteral("lundi"), QStringLiteral("Marzelle Vastrelli"),
         QStringLiteral("Vert"), QStringLiteral("vrai")});
    QCOMPARE(verdicts, QStringList({QStringLiteral("        CORRECT !"), QStringLiteral("    CORRECT !"),
                                    QStringLiteral("     CORRECT !"), QStringLiteral("      CORRECT !"),
                                    QStringLiteral(" P'TIT CON VAS !!!")}));
    QVERIFY(game.waitUntilVisible(ScreenId::tolvane17));
    QCOMPARE(game.loadedScreens(),
             ids({ScreenId::TOLVANE1, ScreenId::TOLVANE2, ScreenId::tolvane3, ScreenId::tolvane5, ScreenId::tolvane6,
                  ScreenId::tolvane8, ScreenId::tolvane9, ScreenId::tolvane11, ScreenId::TOLVANE12,
                  ScreenId::TOLVANE14, ScreenId::TOLVANE15, ScreenId::tolvane17}));
    for (ScreenId id : game.loadedScreens())
        QCOMPARE(game.screen(id)->loadCount(), 1);
    QCOMPARE(game.promptsOpened(), 1);
    for (const PictureInfo &info : pictureInventory) {
        QVERIFY(game.screens().pictures().picture(info.id));
        QCOMPARE(game.screens().pictures().decodeCount(info.id), 1);
    }
}

void TestGameRun::everyAnswerWrong()
{
    GameDriver game(0.05);
    game.answerPrompt(QString(), false);
    game.start();
    QVERIFY(game.waitUntilVisible(ScreenId::TOLVANE2));
    QCOMPARE(game.control<Label>(ScreenId::TOLVANE2, "nom")->caption(), QStringLiteral("!"));

    // The first answer is left empty.
    const QStringList verdicts = game.playQuestions({QString(), QStringLiteral("lundi de Pâques"),
                                                     QStringLiteral("vastrelli"), QStringLiteral("VERT."),
                                                     QStringLiteral("FAUX")});
    QCOMPARE(verdicts, QStringList({QStringLiteral("      FAUX : MARZELLE !"), QStringLiteral("   FAUX: LUNDI !"),
                                    QStringLiteral("     FAUX: MARZELLE VASTRELLI"), QStringLiteral("  FAUX: VERT"),
                                    QStringLiteral("MERCI !")}));
    QVERIFY(game.waitUntilVisible(ScreenId::tolvane17));
    QCOMPARE(game.loadedScreens(),
             ids({ScreenId::TOLVANE1, ScreenId::TOLVANE2, ScreenId::tolvane4, ScreenId::tolvane5, ScreenId::tolvane7,
                  ScreenId::tolvane8, ScreenId::tolvane10, ScreenId::tolvane11, ScreenId::tolvane13,
                  ScreenId::TOLVANE14, ScreenId::tolvane16, ScreenId::tolvane17}));
    QVERIFY(!game.isVisible(ScreenId::TOLVANE2));

    // "&Quitter" on the closing screen ends the game with every screen still loaded.
    Form *closing = game.form(ScreenId::tolvane17);
    QVERIFY(QTest::qWaitForWindowActive(closing));
    QTest::keyClick(closing, Qt::Key_J, Qt::AltModifier);
    auto *menu = closing->findChild<QMenu *>(QStringLiteral("jeu"));
    QTRY_VERIFY(menu->isVisible());
    QTest::keyClick(menu, Qt::Key_Q);
    QTRY_VERIFY(game.hasEnded());
    QCOMPARE(game.screens().ending(), ScreenRegistry::Ending::Quit);
    QCOMPARE(game.exitStatus(), std::optional<int>(0));
}

void TestGameRun::quitFromTheMenuBeforeTheAdvance()
{
    GameDriver game;
    game.start();
    Form *title = game.form(ScreenId::TOLVANE1);
    QVERIFY(QTest::qWaitForWindowActive(title));
    QTest::keyClick(title, Qt::Key_J, Qt::AltModifier);
    auto *menu = title->findChild<QMenu *>(QStringLiteral("JEU"));
    QTRY_VERIFY(menu->isVisible());
    QTest::keyClick(menu, Qt::Key_Q);
    QVERIFY(game.hasEnded());
    QCOMPARE(game.exitStatus(), std::optional<int>(0));
    // Nothing can tick any more, so the title never moves on.
    QVERIFY(!game.anyTimerRunning());
    QCoreApplication::processEvents();
    QVERIFY(!game.isLoaded(ScreenId::TOLVANE2));
    QCOMPARE(game.promptsOpened(), 0);
}

QTEST_MAIN(TestGameRun)
#include "test_game_run.moc"
