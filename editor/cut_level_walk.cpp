#include "editor/cut_level_walk.h"

QList<int> CutLevelWalk::apply(QList<int> levels, int chosenRow) {
    if (chosenRow < 0 || chosenRow >= levels.size())
        return levels;
    const int level = levels[chosenRow];
    for (int i = 0; i < chosenRow; ++i)
        if (levels[i] > level)
            levels[i] = level;
    for (int i = chosenRow + 1; i < levels.size() && levels[i] < level; ++i)
        levels[i] = level;
    return levels;
}
