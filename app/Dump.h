#pragma once
#include <QJsonObject>
#include <QString>

class frmMain;

namespace Dump {

QJsonObject Build(const frmMain& main);
bool Write(const frmMain& main, const QString& file);
bool WriteSnapshot(const frmMain& main, const QString& file);

} // namespace Dump
