#!/bin/bash
# Formats every tracked and new C++ file in place with the repository's style.
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files --cached --others --exclude-standard -z '*.cpp' '*.h' | xargs -0 -r clang-format -i
