#pragma once
// The outcome of the update check: the running and the newest version, a
// message, and a "Download" button when the feed offers a download for this
// installation.
#include <QDialog>

class BevelButton;
class QLabel;
class QPushButton;
class VersionInfo;

class UpdateCheckDialog : public QDialog
{
    Q_OBJECT
public:
    UpdateCheckDialog();

    // Fills the texts and offers the download of url when latest is newer than
    // current and current may update for free.
    void SetContent(const VersionInfo &latest, const VersionInfo &updateFrom, const VersionInfo &current,
                    const QString &url);

    QString pDownloadURL;

    QPushButton *DownloadButton = nullptr;
    QLabel *StaticText1 = nullptr;
    QLabel *StaticText2 = nullptr;
    QLabel *AppVersionText = nullptr;
    QLabel *LatestVersionText = nullptr;
    QLabel *MessageText = nullptr;
    QPushButton *CloseWindowButton = nullptr;
    QLabel *Canvas1 = nullptr;
    QLabel *StaticText3 = nullptr;
    BevelButton *BevelButton1 = nullptr;

    void DownloadButton_Action();
    void CloseWindowButton_Action();
    void BevelButton1_Action();
};
