#pragma once

#include <vector>

// The result of one pairing of levels a and b: a's wins out of games (a
// drawn match counts half to each).
struct TPairResult {
    int a = 0, b = 0;
    double winsA = 0;
    int games = 0;
};

// Elo ratings of `levels` levels from their pairwise results: the
// Bradley-Terry maximum-likelihood fit, on the Elo scale (400 points for
// ten to one odds), their mean at 1500. One drawn match between every pair
// that met is added to the results, so a level that won every match still
// gets a finite rating.
std::vector<double> EloRatings(int levels, const std::vector<TPairResult>& results);

// The expected share of a level rated `rating` against one rated `other`.
double EloExpected(double rating, double other);
