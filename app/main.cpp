// KORVANTE: program entry. No arguments are read.

#include "app/application.h"
#include "app/startup.h"

int main(int argc, char** argv) {
    TKorvanteApplication app(argc, argv);
    prepareApplication();
    return runKorvante(app);
}
