#pragma once
// Chips for the bet window's buttons and notes and coins for the borrowing window.

namespace dealmoor::art {

class ArtWriter;
void writeMoney(ArtWriter& out);

} // namespace dealmoor::art
