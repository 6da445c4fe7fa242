#pragma once
// Writing the installation's text files: UTF-8, lines ended by CR LF.
#include <QByteArray>
#include <QString>
#include <QVector>

#include "Catalog.h"

// Writes text (lines separated by "\n") with CR LF line ends; creates folders.
bool WriteTextFile(const QString& path, const QString& text);
bool WriteBinaryFile(const QString& path, const QByteArray& bytes);
// Profile file text of the sections in order.
QString IniText(const QVector<Section>& sections, const QString& comment = {});
// Escapes text for HTML pages.
QString Html(const QString& text);
