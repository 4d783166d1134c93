#pragma once

#include "EdImg.h"

#include <QDialog>
#include <QStringList>

class CEdImgButton;
class IEdConnectHost;

// "NOT CONNECTED": Sync tries again, Demo goes on without the instrument, a click anywhere else
// closes it.
class CEdConnectDlg : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kWidth = 326;
    static constexpr int kHeight = 248;
    static constexpr int kSyncButtonId = 2078;
    static constexpr int kDemoButtonId = 2087;

    CEdConnectDlg(IEdConnectHost& host, QWidget* parent);

    // Seven lines: the title and six lines of explanation.
    void SetTexts(const QStringList& texts);
    static QStringList DefaultTexts();

    CEdImgButton* SyncButton() const { return m_sync; }
    CEdImgButton* DemoButton() const { return m_demo; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void OnDemo();
    void PlaceButtons();

    IEdConnectHost& m_host;
    CEdImg m_background;
    QStringList m_texts;
    CEdImgButton* m_sync;
    CEdImgButton* m_demo;
};
