#include "render/ChartOptions.h"

char GridLetterFor(int chartIndex) {
    if (chartIndex >= 3 && chartIndex <= 5)
        return 'V';
    return chartIndex == 12 ? 'O' : 'H';
}
