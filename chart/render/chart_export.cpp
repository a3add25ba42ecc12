// Brevant Dira — the chart as a picture file.
#include "chart/render/chart_export.h"

#include <sys/stat.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cstdio>
#include <qcustomplot.h>

namespace brevant {
namespace {

// What a file made anew gets: the user's default.
QFile::Permissions DefaultPermissions() {
    const mode_t mask = umask(0);
    umask(mask);
    QFile::Permissions p;
    const mode_t mode = 0666 & ~mask;
    if (mode & S_IRUSR) p |= QFile::ReadOwner | QFile::ReadUser;
    if (mode & S_IWUSR) p |= QFile::WriteOwner | QFile::WriteUser;
    if (mode & S_IRGRP) p |= QFile::ReadGroup;
    if (mode & S_IWGRP) p |= QFile::WriteGroup;
    if (mode & S_IROTH) p |= QFile::ReadOther;
    if (mode & S_IWOTH) p |= QFile::WriteOther;
    return p;
}

} // namespace

bool SaveChartPng(QCustomPlot& plot, const QString& path, int width, int height) {
    // Drawn into a file beside the target and renamed over it when whole: a
    // failure leaves an older picture of that name as it was.
    const QFileInfo target(path);
    QTemporaryFile temp(target.absolutePath() + "/." + target.fileName() + ".XXXXXX");
    if (!temp.open()) return false;
    temp.close();
    if (!plot.savePng(temp.fileName(), width, height, 1.0, -1)) return false;
    QFile::setPermissions(temp.fileName(),
                          target.exists() ? QFile::permissions(path) : DefaultPermissions());
    if (std::rename(QFile::encodeName(temp.fileName()).constData(),
                    QFile::encodeName(path).constData()) != 0)
        return false;
    temp.setAutoRemove(false);
    return true;
}

} // namespace brevant
