#include "gesture/GestureSession.h"
#include "overlay/FrmView.h"
#include "recognition/RecognitionDisplay.h"
#include "recognition/ShapeMatcher.h"
#include "store/FileList.h"
#include "store/Settings.h"
#include "support/FakePlatform.h"
#include "support/GridStrings.h"
#include "support/TestFiles.h"

#include <QCoreApplication>
#include <QLocale>
#include <QSettings>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using Call = FakeProgramStarter::Call;

namespace {

// Records what a recognition shows.
class FakeDisplay final : public RecognitionDisplay {
public:
    void showDecision(const Decision& decision, const QString& text, bool name) override {
        accepted = decision.accepted;
        caption = text;
        nameShown = name;
    }

    bool accepted = false;
    QString caption;
    bool nameShown = false;
};

// A gesture session over the shortcuts of a temporary folder, with empty settings and a fake
// platform; no main window.
class GestureSessionTest : public ::testing::Test {
protected:
    GestureSessionTest() {
        QSettings(u"Gestrix"_s, u"Gestrix"_s).clear();
        QLocale::setDefault(QLocale::c());
        files.setPath(folder.path());
        session.setRecognitionDisplay(&display);
        QObject::connect(&session, &GestureSession::launchFailed,
                         [this](const QString& text) { told.append(text); });
        QObject::connect(&session, &GestureSession::referenceGridChanged,
                         [this](const SymbolGrid& grid) { shown = grid; });
    }

    void writeSymbol(const QString& name, const QString& gridString, const QString& program) {
        folder.writeSymbol(name + u".ini"_s, gridString, program);
        list.refresh(files);
        session.shortcutsChanged();
    }
    void compare(const QString& drawn, bool DontLaunch) {
        session.Comparaison(blackCellsOf(drawn), {}, DontLaunch);
    }

    TempFolder folder;
    FileList files;
    ShortcutList list;
    FakePlatform fakes;
    GestureSession session{fakes.platform(), list, QSize(97, 97)};
    FakeDisplay display;
    QStringList told;
    SymbolGrid shown;
};

TEST_F(GestureSessionTest, AnAcceptedDrawingStartsItsProgramOrTellsWhyNot) {
    writeSymbol(u"a"_s, cells(0, 9), u""_s);
    writeSymbol(u"b"_s, cells(50, 60), u"/no/such/program"_s);
    writeSymbol(u"c"_s, cells(100, 110), u"/bin/sh --new"_s);
    compare(cells(100, 110), false);
    EXPECT_EQ(fakes.starter.calls, (QList<Call>{{u"/bin/sh"_s, {u"--new"_s}}}));
    EXPECT_EQ(display.caption, u"sh (100%)"_s);
    EXPECT_TRUE(told.isEmpty());

    fakes.starter.succeeds = false;
    const struct {
        QString drawn;
        QString told;
    } rows[] = {
        {cells(0, 9), u"« a » n'a rien lancé : aucun programme indiqué."_s},
        {cells(50, 60), u"« b » n'a rien lancé : programme introuvable."_s},
        {cells(100, 110), u"« c » n'a rien lancé : le système n'a pas pu le lancer."_s},
    };
    for (const auto& row : rows) {
        compare(row.drawn, false);
        ASSERT_FALSE(told.isEmpty());
        EXPECT_EQ(told.back(), row.told);
        EXPECT_EQ(symbolfile::gridStringOf(shown), row.drawn) << "its symbol is shown";
    }
    compare(cells(50, 60), true);
    EXPECT_EQ(told.size(), 3) << "a preview tells nothing";
    EXPECT_EQ(fakes.starter.calls.size(), 2) << "only c's program was tried again";
}

// A new user's first five gestures say how a gesture goes; the sixth says nothing.
TEST_F(GestureSessionTest, OnlyANewUsersFirstGesturesShowTheLineOfHelp) {
    fakes.photographer.picture = QImage(640, 480, QImage::Format_RGB32);
    QStringList helps;
    for (int gesture = 0; gesture < 6; ++gesture) {
        session.startOnRequest();
        ASSERT_NE(session.overlay(), nullptr);
        helps.append(session.overlay()->help());
        session.overlay()->cancel();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    EXPECT_EQ(
        helps.count(u"Dessinez un symbole, puis cliquez ; clic droit ou Échap pour annuler"_s), 5);
    EXPECT_EQ(helps.back(), QString());
}

TEST_F(GestureSessionTest, NomDecidesWhetherTheLabelIsShown) {
    writeSymbol(u"a"_s, cells(0, 9), u"/bin/sh"_s);
    const struct {
        const char16_t* nom;
        bool shown;
    } rows[] = {{u"1", true}, {u"0", false}, {u"abc", true}, {u"2", false}};
    for (const auto& row : rows) {
        settings::SaveSetting(u"Option"_s, u"Nom"_s, QString::fromUtf16(row.nom));
        display.caption.clear();
        compare(cells(0, 9), true);
        EXPECT_EQ(display.nameShown, row.shown) << QString::fromUtf16(row.nom).toStdString();
        EXPECT_EQ(display.caption, u"sh (100%)"_s) << "the caption is always updated";
    }
}

TEST_F(GestureSessionTest, AStrokeDrawnInHundredPixelStepsIsRecognised) {
    writeSymbol(u"Barre"_s, cells(72, 83), u"/bin/sh"_s);
    QImage comparison;
    QObject::connect(&session, &GestureSession::captured,
                     [&comparison](const QImage&, const QImage& reduced) { comparison = reduced; });
    fakes.trigger.events = true;
    session.setRecognitionDisplay(nullptr);
    TriggerPress press;
    press.position = QPoint(100, 300);
    ASSERT_TRUE(session.triggerPressed(press));
    for (int x = 100; x <= 700; x += 100) // far further apart than the pen is wide
        session.overlay()->Form_MouseMove(x, 300);
    session.overlay()->Form_MouseDown(FrmView::LeftButton, 0);
    EXPECT_EQ(fakes.starter.calls, (QList<Call>{{u"/bin/sh"_s, {}}}));
    EXPECT_EQ(sampleDrawing(comparison, 15, 15), blackCellsOf(cells(72, 83)));
}

} // namespace
