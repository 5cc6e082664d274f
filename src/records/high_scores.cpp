#include "records/high_scores.h"

HighScoreTable highScores;
