// The photographers that ask the desktop (its Screenshot portal, KWin) against services of the
// test's own, on a private bus that starts no service: nothing installed on the machine can
// answer in their place.
#include "platform/wayland/KWinScreenPhotographer.h"
#include "platform/wayland/PortalScreenPhotographer.h"
#include "support/FakePlatform.h"
#include "support/TestFiles.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusUnixFileDescriptor>
#include <QDBusVirtualObject>
#include <QDir>
#include <QGuiApplication>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <thread>

#include <csignal>

#include <sys/stat.h>
#include <unistd.h>

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

// The process keeps its session bus once connected: one private bus serves every test.
class BusEnvironment final : public ::testing::Environment {
public:
    void SetUp() override {
        bus = new PrivateBus;
        qputenv("DBUS_SESSION_BUS_ADDRESS", bus->address.toUtf8());
    }
    void TearDown() override { delete bus; }
    static inline PrivateBus* bus = nullptr;
};
[[maybe_unused]] const auto* const environment =
    ::testing::AddGlobalTestEnvironment(new BusEnvironment);

// A desktop service, on a connection of its own to the private bus.
class DesktopServiceTest : public ::testing::Test {
protected:
    void serve(const QString& name, const QString& path, QDBusVirtualObject* object) {
        ASSERT_FALSE(BusEnvironment::bus->address.isEmpty()) << "no dbus-daemon";
        serviceBus = QDBusConnection::connectToBus(BusEnvironment::bus->address, u"service"_s);
        ASSERT_TRUE(serviceBus.registerVirtualObject(path, object));
        ASSERT_TRUE(serviceBus.registerService(name));
    }
    void TearDown() override { QDBusConnection::disconnectFromBus(u"service"_s); }

    QDBusConnection serviceBus{QString()};
};

class PortalScreenPhotographerTest : public DesktopServiceTest {
protected:
    void SetUp() override { serve(u"org.freedesktop.portal.Desktop"_s, portalPath, &portal); }

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
                serviceBus.send(call.createErrorReply(u"org.freedesktop.portal.Error.NotAllowed"_s,
                                                      u"refused"_s));
            });
        },
        [&](const QDBusMessage& call, const QString& request) {
            serviceBus.send(call.createReply(QVariant::fromValue(QDBusObjectPath(request))));
            QTimer::singleShot(600, [this, &folder, request] {
                QDBusMessage response = QDBusMessage::createSignal(
                    request, u"org.freedesktop.portal.Request"_s, u"Response"_s);
                response << 0u
                         << QVariantMap{
                                {u"uri"_s,
                                 QUrl::fromLocalFile(folder.file(u"shot.png"_s)).toString()}};
                serviceBus.send(response);
            });
        },
    };

    PortalScreenPhotographer photographer(1000);
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

// The portal's reply names the file to read and remove: a reply naming anything but a picture
// file of the portal's gets no photograph, and every file stays.
TEST_F(PortalScreenPhotographerTest, OnlyThePortalsPictureIsReadAndRemoved) {
    TempFolder folder;
    folder.write(u"precious.txt"_s, "the user's own words");
    QImage(8, 8, QImage::Format_RGB32).save(folder.file(u"picture.png"_s));
    ASSERT_EQ(::mkfifo(QFile::encodeName(folder.file(u"pipe"_s)).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(folder.file(u"picture.png"_s), folder.file(u"link.png"_s)));
    // A picture, then more than a gigabyte of nothing (a sparse file).
    ASSERT_TRUE(QFile::copy(folder.file(u"picture.png"_s), folder.file(u"huge.png"_s)));
    ASSERT_TRUE(QFile(folder.file(u"huge.png"_s)).resize((qint64(1) << 30) + 1));
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder.path());
    const QString folderUrl = QUrl::fromLocalFile(folder.path()).toString();
    for (const QString& uri :
         {folderUrl + u"/precious.txt"_s, u"file:precious.txt"_s, folderUrl + u"/pr%65cious.txt"_s,
          folderUrl + u"/pipe"_s, folderUrl + u"/picture.png?x#y"_s, folderUrl + u"/link.png"_s,
          folderUrl + u"/huge.png"_s}) {
        SCOPED_TRACE(uri.toStdString());
        portal.answers = {[&](const QDBusMessage& call, const QString& request) {
            serviceBus.send(call.createReply(QVariant::fromValue(QDBusObjectPath(request))));
            QDBusMessage response = QDBusMessage::createSignal(
                request, u"org.freedesktop.portal.Request"_s, u"Response"_s);
            response << 0u << QVariantMap{{u"uri"_s, uri}};
            serviceBus.send(response);
        }};
        PortalScreenPhotographer photographer;
        std::optional<QImage> photograph;
        photographer.photograph({QGuiApplication::primaryScreen()},
                                [&](QList<QImage> photographs) { photograph = photographs[0]; });
        ASSERT_TRUE(QTest::qWaitFor([&] { return photograph.has_value(); }, 5000));
        EXPECT_TRUE(photograph->isNull());
        EXPECT_TRUE(QFile::exists(folder.file(u"precious.txt"_s)));
        for (const QString& kept : {u"picture.png"_s, u"link.png"_s, u"huge.png"_s})
            EXPECT_TRUE(QFile::exists(folder.file(kept))) << kept.toStdString();
    }
    QDir::setCurrent(previous);
}

// The portals' permission store as it answers a lookup: our permission to photograph, or no
// entry yet.
class ScriptedPermissionStore final : public QDBusVirtualObject {
public:
    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& call, const QDBusConnection& bus) override {
        if (call.member() != u"Lookup"_s)
            return false;
        if (ours.isEmpty()) {
            bus.send(call.createErrorReply(u"org.freedesktop.portal.Error.NotFound"_s, u"none"_s));
            return true;
        }
        QDBusMessage reply = call.createReply();
        reply << QVariant::fromValue(QMap<QString, QStringList>{{QString(), {ours}}})
              << QVariant::fromValue(QDBusVariant(0u));
        bus.send(reply);
        return true;
    }

    QString ours; // empty: no entry
};

// Whether the desktop asks the user first is known before the request, from its permission
// store: no photograph while its question is up, no second question, and the user's answer
// ends it. Once the user said yes, photographs are asked for without a question.
TEST_F(PortalScreenPhotographerTest, TheDesktopsQuestionIsKnownAndAskedOnce) {
    qDBusRegisterMetaType<QMap<QString, QStringList>>();
    ScriptedPermissionStore store;
    store.ours = u"ask"_s;
    serve(u"org.freedesktop.impl.portal.PermissionStore"_s,
          u"/org/freedesktop/impl/portal/PermissionStore"_s, &store);
    QString asked;
    const ScriptedPortal::Answer take = [&](const QDBusMessage& call, const QString& request) {
        serviceBus.send(call.createReply(QVariant::fromValue(QDBusObjectPath(request))));
        asked = request;
    };
    portal.answers = {take, take};
    PortalScreenPhotographer photographer;
    const QList<QScreen*> screen{QGuiApplication::primaryScreen()};
    int deliveries = 0;
    const auto count = [&](QList<QImage> photographs) {
        EXPECT_TRUE(photographs.value(0).isNull());
        ++deliveries;
    };
    photographer.photograph(screen, count);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !asked.isEmpty(); }, 5000));
    EXPECT_TRUE(photographer.desktopIsAsking());
    photographer.photograph(screen, count);
    EXPECT_EQ(deliveries, 1) << "while the question is up, no photograph, at once";
    EXPECT_EQ(portal.answers.size(), 1) << "asked a second time";

    QDBusMessage refusal =
        QDBusMessage::createSignal(asked, u"org.freedesktop.portal.Request"_s, u"Response"_s);
    refusal << 1u << QVariantMap();
    serviceBus.send(refusal);
    EXPECT_TRUE(QTest::qWaitFor([&] { return deliveries == 2; }, 5000));
    EXPECT_FALSE(photographer.desktopIsAsking());

    store.ours = u"yes"_s;
    photographer.photograph(screen, count);
    EXPECT_TRUE(QTest::qWaitFor([&] { return portal.answers.isEmpty(); }, 5000));
    EXPECT_FALSE(photographer.desktopIsAsking());
}

// KWin's screenshot interface as KWin answers: the picture written into the caller's pipe from
// a thread of its own, the answer describing it; or a refusal.
class ScriptedKWin final : public QDBusVirtualObject {
public:
    ScriptedKWin() { std::signal(SIGPIPE, SIG_IGN); }
    ~ScriptedKWin() override {
        for (std::thread& writer : writers)
            writer.join();
    }
    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& call, const QDBusConnection& bus) override {
        if (call.member() != u"CaptureScreen"_s)
            return false;
        // Not the message: the pipe's end it carries would stay open.
        calls.append({call.arguments().value(0).toString(),
                      qdbus_cast<QVariantMap>(call.arguments().value(1))});
        if (refuses) {
            bus.send(call.createErrorReply(u"org.kde.KWin.ScreenShot2.Error.NoAuthorized"_s,
                                           u"not authorized"_s));
            return true;
        }
        const int pipe =
            ::dup(call.arguments().value(2).value<QDBusUnixFileDescriptor>().fileDescriptor());
        writers.emplace_back([this, pipe, picture = picture, endless = endless] {
            // Endless, the picture again and again, until the reader closes its end.
            for (qsizetype sent = 0; sent < picture.sizeInBytes() || endless;) {
                const qsizetype at = sent % picture.sizeInBytes();
                const ssize_t wrote =
                    ::write(pipe, picture.constBits() + at, picture.sizeInBytes() - at);
                if (wrote <= 0)
                    break;
                sent += wrote;
                written += wrote;
            }
            ::close(pipe);
        });
        bus.send(call.createReply(QVariantMap{
            {u"type"_s, u"raw"_s},
            {u"width"_s, uint(picture.width())},
            {u"height"_s, uint(picture.height())},
            {u"stride"_s, uint(stride ? stride : picture.bytesPerLine())},
            {u"format"_s, uint(picture.format())},
        }));
        return true;
    }

    QImage picture;
    bool refuses = false;
    bool endless = false;
    int stride = 0; // announced in place of the picture's own
    std::atomic<qsizetype> written = 0;
    struct Call {
        QString screen;
        QVariantMap options;
    };
    QList<Call> calls;
    std::vector<std::thread> writers;
};

class KWinScreenPhotographerTest : public DesktopServiceTest {
protected:
    void SetUp() override {
        serve(u"org.kde.KWin.ScreenShot2"_s, u"/org/kde/KWin/ScreenShot2"_s, &kwin);
    }

    ScriptedKWin kwin;
    const QList<QScreen*> screen{QGuiApplication::primaryScreen()};
};

TEST_F(KWinScreenPhotographerTest, TheScreenComesThroughThePipeWithoutThePointer) {
    // Several times the pipe's own buffer, in a layout the overlay does not draw on.
    kwin.picture = QImage(screen[0]->geometry().size(), QImage::Format_ARGB32);
    kwin.picture.fill(Qt::magenta);
    ASSERT_TRUE(KWinScreenPhotographer::offered());
    KWinScreenPhotographer photographer(std::make_unique<FakeScreenPhotographer>());
    std::optional<QImage> photograph;
    photographer.photograph(screen,
                            [&](QList<QImage> photographs) { photograph = photographs.value(0); });
    ASSERT_TRUE(QTest::qWaitFor([&] { return photograph.has_value(); }, 5000));
    ASSERT_EQ(photograph->size(), kwin.picture.size());
    EXPECT_EQ(photograph->format(), QImage::Format_RGB32);
    EXPECT_EQ(photograph->pixel(photograph->width() - 1, photograph->height() - 1),
              QColor(Qt::magenta).rgb());
    ASSERT_EQ(kwin.calls.size(), 1);
    EXPECT_EQ(kwin.calls[0].screen, screen[0]->name());
    EXPECT_EQ(kwin.calls[0].options.value(u"include-cursor"_s), false);
}

// What does not fit its description is no picture (and its bytes are let go), and a writer that
// does not stop is stopped once it has written more than the screen's picture can be.
TEST_F(KWinScreenPhotographerTest, WhatIsNoPictureOfTheScreenIsDropped) {
    kwin.picture = QImage(screen[0]->geometry().size(), QImage::Format_ARGB32);
    KWinScreenPhotographer photographer(std::make_unique<FakeScreenPhotographer>());
    std::optional<QImage> photograph;
    const auto take = [&](QList<QImage> photographs) { photograph = photographs.value(0); };
    kwin.stride = kwin.picture.width(); // a quarter of what a line takes
    photographer.photograph(screen, take);
    ASSERT_TRUE(QTest::qWaitFor([&] { return photograph.has_value(); }, 5000));
    EXPECT_TRUE(photograph->isNull());

    kwin.stride = 0;
    kwin.endless = true;
    photograph.reset();
    photographer.photograph(screen, take);
    ASSERT_TRUE(QTest::qWaitFor([&] { return photograph.has_value(); }, 5000));
    EXPECT_TRUE(photograph->isNull());
    EXPECT_LT(kwin.written, 8 * kwin.picture.sizeInBytes())
        << "it was read for as long as it wrote";
}

// Without the interface in its desktop entry, KWin refuses: the portal photographs, this time
// and every time after, without KWin being asked again.
TEST_F(KWinScreenPhotographerTest, ARefusalHandsThePhotographsToThePortal) {
    kwin.refuses = true;
    auto portal = std::make_unique<FakeScreenPhotographer>();
    FakeScreenPhotographer& asked = *portal;
    asked.picture = QImage(4, 4, QImage::Format_RGB32);
    KWinScreenPhotographer photographer(std::move(portal));
    int delivered = 0;
    const auto count = [&](QList<QImage> photographs) {
        EXPECT_FALSE(photographs.value(0).isNull());
        ++delivered;
    };
    photographer.photograph(screen, count);
    ASSERT_TRUE(QTest::qWaitFor([&] { return delivered == 1; }, 5000));
    photographer.photograph(screen, count);
    EXPECT_EQ(delivered, 2);
    EXPECT_EQ(asked.taken, 2);
    EXPECT_EQ(kwin.calls.size(), 1);
}

} // namespace
