#!/usr/bin/env bash
# Checks that the folders stay layers: the engine sees only itself and the
# platform, the rules of the game never include Qt, and no window changes money
# or decisions by itself. Prints every breach and fails when there is one.
set -uo pipefail
cd "$(dirname "$0")/.."

breaches=0
breach() {
  echo "layers: $1"
  breaches=$((breaches + 1))
}

# Lines of the form  file:line:#include "folder/..."  whose folder is not allowed.
check_includes() {
  local folder=$1 allowed=$2
  while IFS= read -r line; do
    breach "$folder may include only $allowed: $line"
  done < <(grep -rnE '^#include "[a-z]+/' "$folder" --include='*.h' --include='*.cpp' |
           grep -vE "#include \"($allowed)/")
}

check_includes engine 'engine|platform'
check_includes platform 'platform'
check_includes strategy 'engine|platform|strategy'
check_includes setup 'engine|platform|setup'

# Only the windows, the application and the art generator speak Qt.
while IFS= read -r line; do
  breach "Qt outside table/ and app/: $line"
done < <(grep -rnE '^#include <Q' engine strategy setup platform sim app/Session.h app/Session.cpp \
           --include='*.h' --include='*.cpp')

# A window asks the engine to move money or record a decision; it never writes them.
while IFS= read -r line; do
  breach "a window writes the game: $line"
done < <(grep -rnE '\.(Credits|Bet|SplitBet|InsuranceBet|LastBet|Borrowed|Decision|Finished)\s*([-+*/]?=[^=])' \
           table --include='*.h' --include='*.cpp')

# The table's state holds no window settings.
while IFS= read -r line; do
  breach "Game holds a window setting: $line"
done < <(grep -nE '\b(Sound|Hints|Maxed|ProgramDir|WindowsDir|DataDir|Settings)\b' engine/Game.h)

if [ "$breaches" -gt 0 ]; then
  echo "layers: $breaches breach(es)"
  exit 1
fi
echo "layers: clean"
