// Requests to the main product.
#include "app/App.h"

int App::GetCategoriesFromVM4()
{
    return -1;
}

int App::GetCategoriesFromVM5()
{
    return -1;
}

QString App::VM5_GetSentences2Category(const QString &, int)
{
    return {};
}

int App::SendSimpleAE(const QString &, const QString &, const QString &, QString &)
{
    return -1;
}

void App::ShowVMNotRunningDialog() {}

int App::VM5SwitchProgPart(int)
{
    return -1;
}

int App::VMGetProgPart(QString &)
{
    return -1;
}

int App::LaunchVM()
{
    return -1;
}
