#!/usr/bin/env bash
# Installs what building, running and testing need on Debian 12, starts the
# print spooler and gives it a PDF printer when it has none. Idempotent and
# quiet when everything is already there.
set -euo pipefail
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO=sudo
export DEBIAN_FRONTEND=noninteractive

PACKAGES=(wine wine32:i386 wine64 mingw-w64 g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix
    cmake make googletest xvfb xauth cups cups-client printer-driver-cups-pdf libcups2:i386
    fonts-liberation fonts-wine poppler-utils clang libclang-rt-14-dev xdotool imagemagick x11-utils
    strace procps ccache libc6-dev-i386 lib32stdc++-12-dev lib32gcc-12-dev linux-libc-dev:i386
    nsis zip python3 locales)

if ! dpkg --print-foreign-architectures | grep -qx i386; then
    echo "setup: adding the i386 architecture"
    $SUDO dpkg --add-architecture i386
    rm -f /tmp/.almanark-apt-updated
fi

missing=()
for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "setup: installing ${missing[*]}"
    $SUDO apt-get update -qq
    $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# German and French, for the tests of the names in the user's language.
for loc in de_DE fr_FR; do
    if ! locale -a 2>/dev/null | grep -qix "$loc.utf-\?8"; then
        echo "setup: generating the $loc.UTF-8 locale"
        grep -qx "$loc.UTF-8 UTF-8" /etc/locale.gen ||
            echo "$loc.UTF-8 UTF-8" | $SUDO tee -a /etc/locale.gen >/dev/null
        $SUDO locale-gen >/dev/null
    fi
done

# The spooler: start it when it is not running.
if ! lpstat -r 2>/dev/null | grep -q "is running"; then
    echo "setup: starting cupsd"
    if command -v systemctl >/dev/null && systemctl is-system-running >/dev/null 2>&1; then
        $SUDO systemctl start cups
    else
        $SUDO /usr/sbin/cupsd
    fi
    for _ in $(seq 50); do
        lpstat -r 2>/dev/null | grep -q "is running" && break
        sleep 0.2
    done
fi

# A printer for Wine to offer: only when CUPS has none at all.
if [ -z "$(lpstat -e 2>/dev/null)" ]; then
    echo "setup: adding the PDF printer"
    ppd=$(lpinfo -m 2>/dev/null | awk '/CUPS-PDF/ {print $1; exit}')
    $SUDO lpadmin -p PDF -E -v cups-pdf:/ ${ppd:+-m "$ppd"}
    $SUDO lpadmin -d PDF
fi

# A second PDF queue whose paper is Legal by default, so that tests can
# switch printers and see another page size arrive.
if ! lpstat -v PDF-Legal >/dev/null 2>&1; then
    echo "setup: adding the PDF-Legal printer"
    ppd=$(lpinfo -m 2>/dev/null | awk '/CUPS-PDF/ {print $1; exit}')
    $SUDO lpadmin -p PDF-Legal -E -v cups-pdf:/ ${ppd:+-m "$ppd"} -o PageSize=Legal
fi
