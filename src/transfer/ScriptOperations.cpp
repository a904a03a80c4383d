#include "ScriptOperations.h"

#include "framework/EventLoop.h"
#include "framework/ScriptRunner.h"

namespace {
// Choosing an application waits for the user's click.
constexpr int kChooseAppTimeoutMs = 120000;

QString runWithTimeout(int number, const ScriptParams &params, int timeoutMs)
{
    QStringList arguments;
    for (qsizetype i = 0; i < params.size(); ++i) {
        const ScriptParam &param = params.at(i);
        if (const qint32 *value = std::get_if<qint32>(&param))
            arguments << QString::number(*value);
        else
            arguments << std::get<QString>(param);
        yieldToEventLoop();
    }
    return ScriptRunner::run(number, arguments, timeoutMs);
}
} // namespace

QString runScriptFunction(int number, const ScriptParams &params)
{
    return runWithTimeout(number, params, ScriptRunner::kDefaultTimeoutMs);
}

void setSelectionOther(const ScriptParams &params)
{
    runScriptFunction(ScriptNumber::setSelectionOther, params);
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
    return runWithTimeout(ScriptNumber::ChooseApp, params, kChooseAppTimeoutMs);
}

QString getCreatorToProcName(const ScriptParams &params)
{
    return runScriptFunction(ScriptNumber::getCreatorToProcName, params);
}

void setSelectionMSWD(const ScriptParams &params)
{
    runScriptFunction(ScriptNumber::setSelectionMSWD, params);
}

void setSelectionWithPaste(const ScriptParams &params)
{
    runScriptFunction(ScriptNumber::setSelectionWithPaste, params);
}

void setSelectionWithPasteMSWD(const ScriptParams &params)
{
    runScriptFunction(ScriptNumber::setSelectionWithPasteMSWD, params);
}
