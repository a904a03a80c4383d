#pragma once
// The program's compiled-script operations, one per script, each taking its
// parameter list. The scripts themselves lie in scripts/ beside the program.
#include <QList>
#include <QString>

#include <variant>

// One parameter of a script call: a whole number or a text.
using ScriptParam = std::variant<qint32, QString>;
using ScriptParams = QList<ScriptParam>;

namespace ScriptNumber {
constexpr int setSelectionOther = 168;
constexpr int getFrontprocess = 170;
constexpr int getFrontprocessname = 171;
constexpr int ChooseApp = 172;
constexpr int getCreatorToProcName = 173;
constexpr int setSelectionMSWD = 174;
constexpr int setSelectionWithPaste = 175;
constexpr int setSelectionWithPasteMSWD = 176;
} // namespace ScriptNumber

// Runs script number with the parameters in list order (none for an empty
// list) and returns its text result.
QString runScriptFunction(int number, const ScriptParams &params);

// What became of a text an inserting script handed to the target.
enum class Delivery {
    Delivered,
    NoWindow, // the target has no window to take it (or the script failed)
    NotTaken, // its window was there but did not fetch the text
};

// The inserting operations hand their last parameter, the sentence, to the
// script on standard input, so that a text of any length gets there. The
// paste operations return whether their script succeeded: false when the
// target has no window to take the paste.

// (target process name, sentence): inserts the sentence into that application.
Delivery setSelectionOther(const ScriptParams &params);
// (): creator code of the application in front.
QString getFrontprocess(const ScriptParams &params);
// (): name of the application in front.
QString getFrontprocessname(const ScriptParams &params);
// (): name of a running application the user chooses; "" when none.
QString ChooseApp(const ScriptParams &params);
// (process name): creator code of that application.
QString getCreatorToProcName(const ScriptParams &params);
// (sentence): inserts the sentence into the word processor.
Delivery setSelectionMSWD(const ScriptParams &params);
// (target process name): pastes the clipboard into that application.
bool setSelectionWithPaste(const ScriptParams &params);
// (target process name): the same for the word processor.
bool setSelectionWithPasteMSWD(const ScriptParams &params);
