#include "core/randomgenerator.h"

RandomGenerator& processRandom()
{
    static RandomGenerator generator;
    return generator;
}
