#include "ScriptOperations.h"

#include "framework/EventLoop.h"
#include "framework/ScriptRunner.h"

namespace {
// Choosing an application waits for the user's click.
constexpr int kChooseAppTimeoutMs = 120000;

QString paramText(const ScriptParam &param)
{
    if (const qint32 *value = std::get_if<qint32>(&param))
        return QString::number(*value);
    return std::get<QString>(param);
}

ScriptResult runScript(int number, const ScriptParams &params, int timeoutMs = ScriptRunner::kDefaultTimeoutMs)
{
    QStringList arguments;
    for (qsizetype i = 0; i < params.size(); ++i) {
        arguments << paramText(params.at(i));
        yieldToEventLoop();
    }
    return ScriptRunner::run(number, arguments, {}, timeoutMs);
}

// The last parameter goes to standard input, the others are arguments.
bool runWithLastOnInput(int number, const ScriptParams &params)
{
    if (params.isEmpty())
        return runScript(number, params).succeeded;
    QStringList arguments;
    for (qsizetype i = 0; i + 1 < params.size(); ++i) {
        arguments << paramText(params.at(i));
        yieldToEventLoop();
    }
    return ScriptRunner::run(number, arguments, paramText(params.back()).toUtf8()).succeeded;
}
} // namespace

QString runScriptFunction(int number, const ScriptParams &params)
{
    return runScript(number, params).output;
}

bool setSelectionOther(const ScriptParams &params)
{
    return runWithLastOnInput(ScriptNumber::setSelectionOther, params);
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

bool setSelectionMSWD(const ScriptParams &params)
{
    return runWithLastOnInput(ScriptNumber::setSelectionMSWD, params);
}

bool setSelectionWithPaste(const ScriptParams &params)
{
    return runScript(ScriptNumber::setSelectionWithPaste, params).succeeded;
}

bool setSelectionWithPasteMSWD(const ScriptParams &params)
{
    return runScript(ScriptNumber::setSelectionWithPasteMSWD, params).succeeded;
}
