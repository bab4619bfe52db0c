#include "TApplication.h"

int main(int argc, char** argv)
{
    velorin::widgets::TApplication app(argc, argv);
    return 0;
}
