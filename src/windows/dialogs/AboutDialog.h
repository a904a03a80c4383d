#pragma once
// The about box; the application's default window, made hidden at start-up.
#include <QDialog>

class BevelButton;
class QLabel;
class QPushButton;

class AboutDialog : public QDialog
{
    Q_OBJECT
public:
    AboutDialog();

    // Shows the program's short version and build number.
    void Open();

    QLabel *Canvas1 = nullptr;
    QPushButton *OKButton = nullptr;
    QLabel *StaticText2 = nullptr;
    BevelButton *BevelButton1 = nullptr;
    QLabel *VersionInfoText = nullptr;

    void OKButton_Action();
    void BevelButton1_MouseEnter();
    void BevelButton1_MouseExit();
    void BevelButton1_Action();

    // "9.0.3 Build 27": the short version, " Build " and the build number.
    static QString versionText(const QString &shortVersion, int buildNumber);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void setLinkBold(bool bold);
};
