// The one application object and the program's entry into the framework.
#include "app/QuorvelApp.h"

namespace {
CQuorvelApp theApp;
}

int main(int argc, char** argv) {
    return AfxWinMain(argc, argv);
}
