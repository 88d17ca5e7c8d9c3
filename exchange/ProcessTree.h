#pragma once

// A process and everything it started, as Linux's /proc lists them: what the
// page helper's watchdog measures and ends.

#include <QtGlobal>
#include <sys/types.h>
#include <vector>

// `root` and its descendants (by parent process); empty when `root` is gone.
std::vector<pid_t> processTree(pid_t root);
// The memory the processes hold: each one's proportional share of the pages
// it maps (Pss, so the libraries they share count once), or its resident
// size where the kernel gives no share.
qint64 treeMemoryBytes(const std::vector<pid_t>& processes);
// Ends every process of the tree at once (SIGKILL), its members found before any is ended.
void killTree(pid_t root);
