#include "tools/selfplay/selfplay_ratings.h"

#include <algorithm>
#include <cmath>

double EloExpected(double rating, double other)
{
    return 1 / (1 + std::pow(10.0, (other - rating) / 400));
}

std::vector<double> EloRatings(int levels, const std::vector<TPairResult>& results)
{
    // wins[i] and games[i][j], with the one drawn match of the prior.
    std::vector<double> wins(levels, 0);
    std::vector<std::vector<double>> games(levels, std::vector<double>(levels, 0));
    for (const TPairResult& r : results) {
        if (r.games <= 0 || r.a == r.b) continue;
        wins[r.a] += r.winsA + 0.5;
        wins[r.b] += r.games - r.winsA + 0.5;
        games[r.a][r.b] += r.games + 1;
        games[r.b][r.a] += r.games + 1;
    }
    // Hunter's minorisation-maximisation steps: each raises the likelihood,
    // and the strengths converge to the fit.
    std::vector<double> strength(levels, 1);
    for (int step = 0; step < 10000; ++step) {
        double change = 0;
        std::vector<double> next(levels, 1);
        for (int i = 0; i < levels; ++i) {
            double denominator = 0;
            for (int j = 0; j < levels; ++j)
                if (j != i && games[i][j] > 0)
                    denominator += games[i][j] / (strength[i] + strength[j]);
            next[i] = denominator > 0 ? wins[i] / denominator : 1;
        }
        // Kept at a geometric mean of one, so the scale does not drift.
        double logMean = 0;
        for (double s : next)
            logMean += std::log(s) / levels;
        for (int i = 0; i < levels; ++i) {
            next[i] /= std::exp(logMean);
            change = std::max(change, std::abs(std::log(next[i] / strength[i])));
        }
        strength = next;
        if (change < 1e-12) break;
    }
    std::vector<double> elo(levels);
    for (int i = 0; i < levels; ++i)
        elo[i] = 1500 + 400 * std::log10(strength[i]);
    return elo;
}
