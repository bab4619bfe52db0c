#include "VelorinDbTool.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    velorin::tools::VelorinDbTool tool(out, err);
    return tool.run(QCoreApplication::arguments().mid(1));
}
