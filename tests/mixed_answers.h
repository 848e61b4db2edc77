// The answers of a learner who gets some items right, some wrong and leaves some open on every
// page: the screens test compares the pages and review tabs they give with reviewed pictures,
// and render-pages draws the same ones.
#pragma once

namespace mixed {
// The option each item gets, 0 for a), -1 leaves it open: exercise I (questions 1 to 5), II,
// III, IV (five items each), V (ten), VI (five).
const int answerCount = 35;
const int answers[answerCount] = {0, 2, -1, 1, 1,  1, 3, -1, 2, 0,  2, -1, 0, 1, 0,  3, 4, 1, -1,
    2,  2, 0, 1, -1, 0, 1, 2, 0, -1, 0,  4, 1, -1, 3, 1};
} // namespace mixed
