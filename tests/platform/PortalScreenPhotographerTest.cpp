// The Screenshot portal's photographer against a portal of the test's own, on a private bus that
// starts no service: nothing installed on the machine can answer in its place.
#include "platform/wayland/PortalScreenPhotographer.h"
#include "support/TestFiles.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVirtualObject>
#include <QDir>
#include <QGuiApplication>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <gtest/gtest.h>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

const QString portalPath = u"/org/freedesktop/portal/desktop"_s;

// A session bus for one test program: its address goes where the photographer looks for it.
class PrivateBus {
public:
    PrivateBus() {
        QDir(m_folder.path()).mkdir(u"services"_s);
        m_folder.write(u"bus.conf"_s, QStringLiteral(R"(<busconfig><type>session</type>
<listen>unix:dir=%1</listen><servicedir>%1/services</servicedir>
<policy context="default"><allow send_destination="*" eavesdrop="true"/>
<allow eavesdrop="true"/><allow own="*"/></policy></busconfig>)")
                                          .arg(m_folder.path())
                                          .toUtf8());
        m_daemon.start(u"dbus-daemon"_s, {u"--config-file="_s + m_folder.file(u"bus.conf"_s),
                                          u"--nofork"_s, u"--nopidfile"_s, u"--print-address=1"_s});
        if (m_daemon.waitForReadyRead(5000))
            address = QString::fromUtf8(m_daemon.readLine().trimmed());
    }
    ~PrivateBus() {
        m_daemon.kill();
        m_daemon.waitForFinished();
    }
    QString address;

private:
    TempFolder m_folder;
    QProcess m_daemon;
};

// Answers each Screenshot call with the next of its scripted answers: given the call and the
// request object the caller listens on.
class ScriptedPortal final : public QDBusVirtualObject {
public:
    using Answer = std::function<void(const QDBusMessage& call, const QString& request)>;

    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& call, const QDBusConnection&) override {
        if (call.member() != u"Screenshot"_s || answers.empty())
            return false;
        QString sender = call.service().mid(1);
        sender.replace(u'.', u'_');
        const auto options = qdbus_cast<QVariantMap>(call.arguments().value(1));
        call.setDelayedReply(true);
        answers.takeFirst()(call, portalPath + u"/request/"_s + sender + u'/' +
                                      options.value(u"handle_token"_s).toString());
        return true;
    }

    QList<Answer> answers;
};

// The scripted portal on its own connection to a private bus, which the photographer's session
// bus is. The process keeps its session bus once connected: one bus serves every test.
class PortalScreenPhotographerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { privateBus = new PrivateBus; }
    static void TearDownTestSuite() { delete privateBus; }
    void SetUp() override {
        ASSERT_FALSE(privateBus->address.isEmpty()) << "no dbus-daemon";
        qputenv("DBUS_SESSION_BUS_ADDRESS", privateBus->address.toUtf8());
        portalBus = QDBusConnection::connectToBus(privateBus->address, u"portal"_s);
        ASSERT_TRUE(portalBus.registerVirtualObject(portalPath, &portal));
        ASSERT_TRUE(portalBus.registerService(u"org.freedesktop.portal.Desktop"_s));
    }
    void TearDown() override { QDBusConnection::disconnectFromBus(u"portal"_s); }

    static inline PrivateBus* privateBus = nullptr;
    QDBusConnection portalBus{QString()};
    ScriptedPortal portal;
};

TEST_F(PortalScreenPhotographerTest, ALateRefusalDoesNotEndTheNextRequest) {
    TempFolder folder;
    QImage picture(QGuiApplication::primaryScreen()->virtualGeometry().size(),
                   QImage::Format_RGB32);
    picture.fill(Qt::magenta);
    ASSERT_TRUE(picture.save(folder.file(u"shot.png"_s)));
    // The first request is refused after the photographer stopped waiting; the second is
    // answered a little later still.
    portal.answers = {
        [&](const QDBusMessage& call, const QString&) {
            QTimer::singleShot(1300, [this, call] {
                portalBus.send(call.createErrorReply(u"org.freedesktop.portal.Error.NotAllowed"_s,
                                                     u"refused"_s));
            });
        },
        [&](const QDBusMessage& call, const QString& request) {
            portalBus.send(call.createReply(QVariant::fromValue(QDBusObjectPath(request))));
            QTimer::singleShot(600, [this, &folder, request] {
                QDBusMessage response = QDBusMessage::createSignal(
                    request, u"org.freedesktop.portal.Request"_s, u"Response"_s);
                response << 0u
                         << QVariantMap{
                                {u"uri"_s,
                                 QUrl::fromLocalFile(folder.file(u"shot.png"_s)).toString()}};
                portalBus.send(response);
            });
        },
    };

    PortalScreenPhotographer photographer;
    const QList<QScreen*> screen{QGuiApplication::primaryScreen()};
    std::optional<QImage> first, second;
    photographer.photograph(screen, [&](QList<QImage> photographs) {
        first = photographs.value(0);
        photographer.photograph(screen, [&](QList<QImage> next) { second = next.value(0); });
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return second.has_value(); }, 5000));
    EXPECT_TRUE(first->isNull()) << "no answer in time: the live desktop";
    ASSERT_FALSE(second->isNull()) << "the first request's refusal ended the second";
    EXPECT_EQ(second->pixel(0, 0), QColor(Qt::magenta).rgb());
    EXPECT_FALSE(QFile::exists(folder.file(u"shot.png"_s))) << "the portal's file is removed";
}

// A request the portal takes but leaves unanswered is the desktop asking the user: no second
// question is put while it is up, and the user's answer ends it.
TEST_F(PortalScreenPhotographerTest, TheDesktopsQuestionIsAskedOnce) {
    QString asked;
    portal.answers = {
        [&](const QDBusMessage& call, const QString& request) {
            portalBus.send(call.createReply(QVariant::fromValue(QDBusObjectPath(request))));
            asked = request;
        },
        [&](const QDBusMessage& call, const QString& request) {
            portalBus.send(call.createReply(QVariant::fromValue(QDBusObjectPath(request))));
        },
    };
    PortalScreenPhotographer photographer;
    const QList<QScreen*> screen{QGuiApplication::primaryScreen()};
    int deliveries = 0;
    const auto count = [&](QList<QImage> photographs) {
        EXPECT_EQ(photographs.size(), 1);
        EXPECT_TRUE(photographs.value(0).isNull());
        ++deliveries;
    };
    photographer.photograph(screen, count);
    ASSERT_TRUE(QTest::qWaitFor([&] { return deliveries == 1; }, 5000));
    EXPECT_TRUE(photographer.desktopIsAsking());
    photographer.photograph(screen, count);
    EXPECT_EQ(deliveries, 2) << "while the question is up, no photograph, at once";
    EXPECT_EQ(portal.answers.size(), 1) << "asked a second time";

    QDBusMessage refusal =
        QDBusMessage::createSignal(asked, u"org.freedesktop.portal.Request"_s, u"Response"_s);
    refusal << 1u << QVariantMap();
    portalBus.send(refusal);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !photographer.desktopIsAsking(); }, 5000));
}

} // namespace
