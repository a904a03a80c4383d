#include "ScriptOperations.h"

#include "framework/EventLoop.h"
#include "framework/ScriptRunner.h"

#include <algorithm>

namespace {
// Choosing an application waits for the user's click.
constexpr int kChooseAppTimeoutMs = 120000;

QString paramText(const ScriptParam &param)
{
    if (const qint32 *value = std::get_if<qint32>(&param))
        return QString::number(*value);
    return std::get<QString>(param);
}

// The first argumentCount parameters become the script's arguments; the one
// after them, if any, goes to its standard input.
ScriptResult runScript(int number, const ScriptParams &params, qsizetype argumentCount,
                       int timeoutMs = ScriptRunner::kDefaultTimeoutMs)
{
    QStringList arguments;
    for (qsizetype i = 0; i < argumentCount; ++i) {
        arguments << paramText(params.at(i));
        yieldToEventLoop();
    }
    const QByteArray input =
        argumentCount < params.size() ? paramText(params.at(argumentCount)).toUtf8() : QByteArray();
    return ScriptRunner::run(number, arguments, input, timeoutMs);
}

ScriptResult runScript(int number, const ScriptParams &params, int timeoutMs = ScriptRunner::kDefaultTimeoutMs)
{
    return runScript(number, params, params.size(), timeoutMs);
}

// The exit status by which the inserting scripts tell that the target's
// window was there but did not fetch the text.
constexpr int kNotTakenStatus = 4;

// The last parameter, the sentence, goes to standard input, the others are arguments.
Delivery insertWithLastOnInput(int number, const ScriptParams &params)
{
    const ScriptResult result = runScript(number, params, std::max<qsizetype>(params.size() - 1, 0));
    if (result.succeeded)
        return Delivery::Delivered;
    return result.exitCode == kNotTakenStatus ? Delivery::NotTaken : Delivery::NoWindow;
}
} // namespace

QString runScriptFunction(int number, const ScriptParams &params)
{
    return runScript(number, params).output;
}

Delivery setSelectionOther(const ScriptParams &params)
{
    return insertWithLastOnInput(ScriptNumber::setSelectionOther, params);
}

QString getFrontprocess(const ScriptParams &params)
{
    return runScriptFunction(ScriptNumber::getFrontprocess, params);
}

QString getFrontprocessname(const ScriptParams &params)
{
    return runScriptFunction(ScriptNumber::getFrontprocessname, params);
}

QString ChooseApp(const ScriptParams &params)
{
    return runScript(ScriptNumber::ChooseApp, params, kChooseAppTimeoutMs).output;
}

QString getCreatorToProcName(const ScriptParams &params)
{
    return runScriptFunction(ScriptNumber::getCreatorToProcName, params);
}

Delivery setSelectionMSWD(const ScriptParams &params)
{
    return insertWithLastOnInput(ScriptNumber::setSelectionMSWD, params);
}

bool setSelectionWithPaste(const ScriptParams &params)
{
    return runScript(ScriptNumber::setSelectionWithPaste, params).succeeded;
}

bool setSelectionWithPasteMSWD(const ScriptParams &params)
{
    return runScript(ScriptNumber::setSelectionWithPasteMSWD, params).succeeded;
}
