#pragma once

#include "tray/NotificationShell.h"

#include <QObject>

// Owns one icon in the notification area: keeps the icon record, adds, modifies and deletes the
// icon through the shell, and reports a refused shell call with NIError. The icon is removed
// when the object is destroyed.
class CSystrayIcon : public QObject {
    Q_OBJECT

public:
    explicit CSystrayIcon(NotificationShell& shell, QObject* parent = nullptr);
    ~CSystrayIcon() override;

    void Initialize(ShellWindow* hWnd, const QIcon& hIcon, const QString& sTip,
                    std::uint32_t uCallbackMessage);
    // Each returns whether a shell call was made and succeeded; an unneeded call is not made.
    bool ShowIcon();
    bool HideIcon();
    bool Update();
    // Shows a message from the icon; false when the icon is not shown.
    bool ShowMessage(const QString& title, const QString& text);
    // Where the icon is on the screen; empty when it is not shown or the shell does not say.
    QRect Geometry() const;

    // Setting a property pushes that one field to the shell at once while UpdateOnChange holds.
    void setIconHandle(const QIcon& hIcon);
    void setTipText(const QString& text);
    void setCallbackMessage(std::uint32_t message);
    QIcon IconHandle() const { return m_record.hIcon; }
    QString TipText() const { return m_record.tipText(); }
    std::uint32_t CallbackMessage() const { return m_record.uCallbackMessage; }

    bool UpdateOnChange() const { return m_updateOnChange; }
    void setUpdateOnChange(bool update) { m_updateOnChange = update; }
    bool Visible() const { return m_visible; }
    void setVisible(bool visible);

    const NotifyIconData& record() const { return m_record; }

Q_SIGNALS:
    void NIError(std::uint32_t ErrorNumber);

private:
    static constexpr std::uint32_t allFields = NIF_MESSAGE | NIF_ICON | NIF_TIP;

    bool call(NotifyMessage message);
    void updateField(std::uint32_t flag);

    NotificationShell& m_shell;
    NotifyIconData m_record;
    bool m_visible = false;
    bool m_updateOnChange = false;
};
