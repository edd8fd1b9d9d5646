#include "tray/CSystrayIcon.h"

namespace {

// The tip field: the first 63 characters, a NUL, then spaces up to 64.
QString tipField(const QString& text) {
    QString field = text.left(NotifyIconData::tipLength - 1) + QChar(0);
    return field.leftJustified(NotifyIconData::tipLength, u' ');
}

} // namespace

CSystrayIcon::CSystrayIcon(NotificationShell& shell, QObject* parent)
    : QObject(parent), m_shell(shell) {}

CSystrayIcon::~CSystrayIcon() {
    HideIcon();
}

void CSystrayIcon::Initialize(ShellWindow* hWnd, const QIcon& hIcon, const QString& sTip,
                              std::uint32_t uCallbackMessage) {
    m_record.cbSize = NotifyIconData::recordSize;
    m_record.hWnd = hWnd;
    m_record.uID = 1;
    m_record.szTip = tipField(sTip);
    m_record.uFlags = allFields;
    m_record.uCallbackMessage = uCallbackMessage;
    m_record.hIcon = hIcon;
    m_visible = false;
    m_updateOnChange = true;
}

bool CSystrayIcon::call(NotifyMessage message) {
    if (m_shell.notify(message, m_record))
        return true;
    Q_EMIT NIError(m_shell.lastError());
    return false;
}

bool CSystrayIcon::ShowIcon() {
    if (m_visible)
        return false;
    if (!call(NIM_ADD))
        return false;
    m_visible = true;
    return true;
}

bool CSystrayIcon::HideIcon() {
    if (!m_visible)
        return false;
    if (!call(NIM_DELETE))
        return false;
    m_visible = false;
    return true;
}

bool CSystrayIcon::Update() {
    if (!m_visible)
        return false;
    return call(NIM_MODIFY);
}

bool CSystrayIcon::ShowMessage(const QString& title, const QString& text) {
    return m_visible && m_shell.showMessage(m_record, title, text);
}

QRect CSystrayIcon::Geometry() const {
    return m_visible ? m_shell.iconGeometry(m_record) : QRect();
}

void CSystrayIcon::updateField(std::uint32_t flag) {
    if (!m_updateOnChange)
        return;
    m_record.uFlags = flag;
    Update();
    m_record.uFlags = allFields;
}

void CSystrayIcon::setIconHandle(const QIcon& hIcon) {
    m_record.hIcon = hIcon;
    updateField(NIF_ICON);
}

void CSystrayIcon::setTipText(const QString& text) {
    m_record.szTip = tipField(text);
    updateField(NIF_TIP);
}

void CSystrayIcon::setCallbackMessage(std::uint32_t message) {
    m_record.uCallbackMessage = message;
    updateField(NIF_MESSAGE);
}

void CSystrayIcon::setVisible(bool visible) {
    if (visible)
        ShowIcon();
    else
        HideIcon();
}
