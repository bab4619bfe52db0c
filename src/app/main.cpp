#include "Startup.h"
#include "StartupServices.h"

int main(int argc, char** argv)
{
    velorin::app::StartupServices services;
    return velorin::app::Startup::run(argc, argv, services);
}
