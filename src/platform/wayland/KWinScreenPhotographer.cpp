#include "platform/wayland/KWinScreenPhotographer.h"

#include "platform/Patience.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusUnixFileDescriptor>
#include <QLoggingCategory>
#include <QSocketNotifier>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

using namespace Qt::StringLiterals;

Q_LOGGING_CATEGORY(lcKWin, "gestrix.photographer", QtCriticalMsg)

namespace {

constexpr qsizetype readChunkBytes = 1 << 18;
// The most a screen's picture can take, in its native pixels: 64-bit pixels, and room to spare.
constexpr qsizetype mostBytesAPixel = 16;
const QString service = u"org.kde.KWin.ScreenShot2"_s;

// The picture KWin describes in its answer, from the bytes it wrote.
QImage pictureOf(const QVariantMap& results, QByteArray bytes, const QScreen* screen) {
    const int width = results.value(u"width"_s).toInt();
    const int height = results.value(u"height"_s).toInt();
    const int stride = results.value(u"stride"_s).toInt();
    const auto format = QImage::Format(results.value(u"format"_s).toUInt());
    if (results.value(u"type"_s).toString() != u"raw"_s || width <= 0 || height <= 0 ||
        stride < width || format <= QImage::Format_Invalid || format >= QImage::NImageFormats ||
        bytes.size() < qsizetype(stride) * height || !screen) {
        qCWarning(lcKWin) << "KWin's screenshot is not a picture we can read:" << results
                          << bytes.size() << "bytes";
        return {};
    }
    auto* kept = new QByteArray(std::move(bytes));
    QImage picture(
        reinterpret_cast<const uchar*>(kept->constData()), width, height, stride, format,
        [](void* data) { delete static_cast<QByteArray*>(data); }, kept);
    // Refused (a stride too short for the format), the picture never took the bytes.
    if (picture.isNull()) {
        delete kept;
        qCWarning(lcKWin) << "KWin's screenshot does not fit its description:" << results;
        return {};
    }
    // What the overlay draws on without another copy.
    if (format != QImage::Format_RGB32)
        picture = picture.convertToFormat(QImage::Format_RGB32);
    picture.setDevicePixelRatio(qreal(width) / screen->geometry().width());
    return picture;
}

// KWin writes as into a file: only our end, the first, waits for nothing.
bool openPipe(int ends[2]) {
    if (::pipe2(ends, O_CLOEXEC) != 0) {
        qCWarning(lcKWin) << "no pipe for KWin's screenshot:" << strerror(errno);
        return false;
    }
    if (::fcntl(ends[0], F_SETFL, O_NONBLOCK) != 0) {
        qCWarning(lcKWin) << "no pipe for KWin's screenshot:" << strerror(errno);
        ::close(ends[0]);
        ::close(ends[1]);
        return false;
    }
    return true;
}

} // namespace

// One screen's copy: KWin's answer, and what it wrote into the pipe until it closed it.
struct KWinScreenPhotographer::Copy {
    int file = -1; // the pipe's end we read
    QSocketNotifier* reader = nullptr;
    QByteArray bytes;
    qsizetype mostBytes = 0; // more is no picture of the screen: the reading stops there
    QVariantMap results;
    bool answered = false;
    bool drained = false;

    // The copy may end from its own reader's signal: the reader goes once that has returned.
    ~Copy() {
        if (reader) {
            reader->setEnabled(false);
            reader->deleteLater();
        }
        if (file >= 0)
            ::close(file);
    }

    // Reads what has arrived; the copy is drained when KWin closes its end, or writes more than
    // the screen's picture can be (its end then sees ours closed).
    void read() {
        while (!drained) {
            if (bytes.size() > mostBytes) {
                qCWarning(lcKWin) << "KWin wrote more than a picture of the screen: dropped";
                bytes.clear();
                reader->setEnabled(false);
                ::close(std::exchange(file, -1));
                drained = true;
                break;
            }
            const qsizetype had = bytes.size();
            bytes.resize(had + readChunkBytes);
            const ssize_t got = ::read(file, bytes.data() + had, readChunkBytes);
            const int error = errno;
            bytes.resize(had + std::max<ssize_t>(got, 0));
            if (got > 0 || (got < 0 && error == EINTR))
                continue;
            if (got == 0 || error != EAGAIN) {
                if (got < 0)
                    qCWarning(lcKWin) << "cannot read KWin's screenshot:" << strerror(error);
                drained = true;
            }
            break;
        }
        if (drained)
            reader->setEnabled(false);
    }
};

KWinScreenPhotographer::KWinScreenPhotographer(std::unique_ptr<ScreenPhotographer> otherwise)
    : m_otherwise(std::move(otherwise)) {
    m_patience.setSingleShot(true);
    connect(&m_patience, &QTimer::timeout, this, [this] {
        qCWarning(lcKWin) << "no screenshot from KWin in time";
        m_copies.clear();
        finish();
    });
}

KWinScreenPhotographer::~KWinScreenPhotographer() = default;

bool KWinScreenPhotographer::offered() {
    const QDBusConnectionInterface* bus = QDBusConnection::sessionBus().interface();
    return bus && bus->isServiceRegistered(service);
}

void KWinScreenPhotographer::photograph(const QList<QScreen*>& screens, Delivery deliver) {
    if (m_refused) {
        m_otherwise->photograph(screens, std::move(deliver));
        return;
    }
    if (m_deliver) {
        deliver(QList<QImage>(screens.size()));
        return;
    }
    m_asked = {screens.begin(), screens.end()};
    m_deliver = std::move(deliver);
    const int request = ++m_requests;
    for (QScreen* screen : screens) {
        auto copy = std::make_unique<Copy>();
        int ends[2];
        if (!screen || !openPipe(ends)) {
            copy->answered = copy->drained = true;
            m_copies.push_back(std::move(copy));
            continue;
        }
        copy->file = ends[0];
        const QSize native = screen->geometry().size() * screen->devicePixelRatio();
        copy->mostBytes = qsizetype(native.width()) * native.height() * mostBytesAPixel;
        copy->reader = new QSocketNotifier(ends[0], QSocketNotifier::Read);
        Copy* reading = copy.get();
        connect(copy->reader, &QSocketNotifier::activated, this, [this, reading] {
            reading->read();
            copied();
        });
        QDBusMessage call = QDBusMessage::createMethodCall(service, u"/org/kde/KWin/ScreenShot2"_s,
                                                           service, u"CaptureScreen"_s);
        call << screen->name()
             << QVariantMap{{u"include-cursor"_s, false}, {u"native-resolution"_s, true}}
             << QVariant::fromValue(QDBusUnixFileDescriptor(ends[1]));
        // The message holds its own copy of our end: KWin's closing it is the end of the data.
        auto* watcher = new QDBusPendingCallWatcher(
            QDBusConnection::sessionBus().asyncCall(call, desktopPatienceMs), this);
        ::close(ends[1]);
        connect(watcher, &QDBusPendingCallWatcher::finished, this,
                [this, watcher, reading, request] {
                    watcher->deleteLater();
                    // An answer to a request that gave up.
                    if (request != m_requests || !m_deliver)
                        return;
                    const QDBusPendingReply<QVariantMap> reply = *watcher;
                    if (reply.isError()) {
                        refused(reply.error().name() + u": "_s + reply.error().message());
                        return;
                    }
                    reading->results = reply.value();
                    reading->answered = true;
                    copied();
                });
        m_copies.push_back(std::move(copy));
    }
    m_patience.start(desktopPatienceMs);
    copied();
}

void KWinScreenPhotographer::copied() {
    if (std::all_of(m_copies.begin(), m_copies.end(),
                    [](const auto& copy) { return copy->answered && copy->drained; }))
        finish();
}

// KWin does not photograph for us (the desktop entry lacks the interface, or it has no
// screenshot effect): the portal does, now and from now on.
void KWinScreenPhotographer::refused(const QString& why) {
    qCWarning(lcKWin) << "KWin's screenshot refused, the portal is asked instead:" << why;
    m_refused = true;
    m_patience.stop();
    m_copies.clear();
    QList<QScreen*> screens;
    for (const QPointer<QScreen>& screen : std::exchange(m_asked, {}))
        screens.append(screen);
    m_otherwise->photograph(screens, std::exchange(m_deliver, {}));
}

void KWinScreenPhotographer::finish() {
    m_patience.stop();
    QList<QImage> photographs;
    for (qsizetype i = 0; i < m_asked.size(); ++i) {
        const Copy* copy = i < qsizetype(m_copies.size()) ? m_copies[i].get() : nullptr;
        photographs.append(copy && copy->answered && copy->drained
                               ? pictureOf(copy->results, copy->bytes, m_asked[i])
                               : QImage());
    }
    m_copies.clear();
    m_asked.clear();
    if (Delivery deliver = std::exchange(m_deliver, {}))
        deliver(std::move(photographs));
}
