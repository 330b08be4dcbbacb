#!/bin/sh
# Installs what building and testing Feldora needs, from Debian's packages,
# and makes sure 32-bit Windows programs can run under Wine on this machine.
# Safe to run again: it only asks apt for what is missing.
set -eu

pkgs="cmake make g++ googletest libgtest-dev clang libclang-rt-dev cppcheck
g++-mingw-w64-i686 binutils-mingw-w64-i686 mingw-w64-i686-dev
wine wine32:i386 wine64 fonts-wine xvfb xauth imagemagick x11-utils"

missing() {
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || echo "$p"
    done
}

export DEBIAN_FRONTEND=noninteractive
updated=0
update_once() { [ "$updated" = 1 ] || { apt-get update; updated=1; }; }

if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
    update_once
fi

# shellcheck disable=SC2086
todo=$(missing $pkgs)
if [ -n "$todo" ]; then
    update_once
    # shellcheck disable=SC2086
    apt-get install -y --no-install-recommends $todo
fi

# wine32 needs the kernel to run 32-bit Linux programs. Some kernels boot
# with that switched off ("32-bit emulation disabled"); there, 32-bit Linux
# programs go through qemu's user-mode emulator, registered with binfmt_misc.
# Bookworm's qemu 7.2 needs a minute to start one Wine process, the 10.x of
# bookworm-backports about a second, so the backports build is used.
if ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
    list=/etc/apt/sources.list.d/bookworm-backports.sources
    if [ ! -e "$list" ] && ! grep -rqs bookworm-backports /etc/apt/sources.list /etc/apt/sources.list.d; then
        cat > "$list" <<'SRC'
Types: deb
URIs: http://deb.debian.org/debian
Suites: bookworm-backports
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SRC
        updated=0
    fi
    if ! qemu-i386-static --version 2>/dev/null | grep -q 'version 1[0-9]'; then
        update_once
        apt-get install -y --no-install-recommends -t bookworm-backports qemu-user-static
    fi
    binfmt=/proc/sys/fs/binfmt_misc
    [ -e "$binfmt/register" ] || mount -t binfmt_misc binfmt_misc "$binfmt"
    if [ ! -e "$binfmt/qemu-i386" ]; then
        printf '%s' ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386-static:F' > "$binfmt/register"
    fi
    /usr/lib/wine/wine --version >/dev/null
fi
