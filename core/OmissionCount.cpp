#include "core/OmissionCount.h"

double averageOmission(int draws, int appearances)
{
    return double(draws - appearances) / (appearances + 1);
}

int wholeAverageOmission(int draws, int appearances)
{
    // Half up in whole numbers: (2 × (d − a) + (a + 1)) / (2 × (a + 1)).
    return (2 * (draws - appearances) + (appearances + 1)) / (2 * (appearances + 1));
}
