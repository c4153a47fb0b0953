// Кворин, the desktop client of the monitoring system "Ведрин".
#include "shell/TovanSplitApp.h"

CTovan_splitApp theApp;

int main(int argc, char** argv) { return AfxWinMain(argc, argv); }
