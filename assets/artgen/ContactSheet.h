#pragma once
// A proof print of the generated pictures, enlarged side by side, for whoever
// works on the art to look at. Not shipped.

#include <QString>
#include <QStringList>

namespace dealmoor::art {

// Lays out the named pictures of a folder (all pictures when the list is empty),
// enlarged by a whole factor, and saves the sheet as PNG. The name "dealer" stands
// for the four dealer views put together from the folder's sheets, as the table
// puts them together. False when nothing was found.
bool writeContactSheet(const QString& folder, const QStringList& names, int zoom,
                       const QString& target);

} // namespace dealmoor::art
