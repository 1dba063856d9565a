#pragma once

#include <QString>

#include <memory>

class CommandDocument;
class TDataModule1;

// The documents of the blocks to work, for the field teams: one for the
// current neighbourhood, or one for every neighbourhood of the current stratum.
namespace BlockListPrinting {

struct Header
{
    QString municipio;
    QString uf;
};

// The documents' texts, font sizes, bold switches and paragraphs.
std::unique_ptr<CommandDocument> currentNeighbourhood(TDataModule1 &dm, const Header &header);
std::unique_ptr<CommandDocument> wholeStratum(TDataModule1 &dm, const Header &header);

// Where the documents go: the user's documents folder.
QString documentsFolder();

} // namespace BlockListPrinting
