// The widget tests' own guard: a dialog that no step of a test answers fails
// that test with what the dialog says and is closed, and the test goes on.
#include "app/MessageDialogs.h"
#include "framework/MessageBox.h"
#include "framework/OpenDialog.h"
#include "support/GuiTestSupport.h"

#include <QApplication>
#include <QDir>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <functional>

TEST(UnansweredDialog, FailsTheTestWithWhatItSaysAndIsClosed)
{
    const struct
    {
        const char *what;
        std::function<void()> show;
        const char *said;
    } cases[] = {
        {"message box", [] { MsgBox(QStringLiteral("Runtime ERROR: FillSentenceListBox")); },
         "QMessageBox, closed after 3000 ms: Velmora | Runtime ERROR: FillSentenceListBox"},
        {"sheet",
         [] {
             OKSheetDialog sheet(QStringLiteral("Nummer ungültig!"),
                                 QStringLiteral("Eine Formulierung mit dieser Nummer ist nicht vorhanden."), QString());
         },
         "OKSheetDialog, closed after 3000 ms: Velmora | Nummer ungültig! | Eine Formulierung mit dieser Nummer"},
        {"open dialog",
         [] {
             showOpenDialog(QStringLiteral("VMRan/SentenceDB"), QStringLiteral("Datenbank auswählen..."),
                            QStringLiteral("Bitte Datenbank auswählen"), QDir::tempPath());
         },
         "QFileDialog, closed after 3000 ms: Datenbank auswählen... | "},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_NONFATAL_FAILURE(c.show(), c.said);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }
}
