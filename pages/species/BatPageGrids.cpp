#include "pages/species/BatPageGrids.h"

void SetupBatSpeciesGrid(CGridCtrl& grid, const char* speciesHeading, int countWidth) {
    SetupPageGrid(grid, {{speciesHeading, 150}, {"Използван метод", 120}, {"Обща численост", countWidth}});
}
