#include "gridcolumn.h"

int weightUnit(int gridWidth, int weightSum)
{
    if (weightSum <= 0 || gridWidth <= 30)
        return 0;
    return (gridWidth - 30) / weightSum;
}
