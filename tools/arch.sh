# Sourced by scripts: the two Windows architectures and which of them this machine runs.
# x86 is the PE32 build (build/win32, 32-bit Wine), x64 the PE32+ one (build/win64, 64-bit Wine).
# Some x86-64 kernels refuse every 32-bit program ("Exec format error"), so x86 may not run.

# Whether this machine executes 32-bit x86 code: a 93-byte i386 program that only exits, run once.
x86_runs() {
  if [ -z "${VARNEL_X86_RUNS:-}" ]; then
    local probe
    probe=$(mktemp "${TMPDIR:-/tmp}/varnel-i386-probe.XXXXXX")
    printf '\x7f\x45\x4c\x46\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00\x00\x00\x00\x00\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08\x5d\x00\x00\x00\x5d\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00\xb8\x01\x00\x00\x00\x31\xdb\xcd\x80' >"$probe"
    chmod +x "$probe"
    # In a subshell that keeps its errors: a kernel that refuses it, or kills it, says so there.
    if (exec 2>/dev/null; "$probe"; exit $?); then VARNEL_X86_RUNS=yes; else VARNEL_X86_RUNS=no; fi
    rm -f "$probe"
    export VARNEL_X86_RUNS
  fi
  [ "$VARNEL_X86_RUNS" = yes ]
}

# The architecture a script uses unless told: x86, the program as first made, where it runs.
default_arch() {
  if x86_runs; then echo x86; else echo x64; fi
}

# The build tree and the Wine prefix kind of an architecture.
arch_tree() {
  case $1 in
    x86) echo win32 ;;
    x64) echo win64 ;;
    *) echo "unknown architecture '$1' (x86 or x64)" >&2; return 2 ;;
  esac
}

arch_toolchain() {
  case $1 in
    x86) echo tools/mingw-i686.cmake ;;
    x64) echo tools/mingw-x86_64.cmake ;;
  esac
}

# A Windows binary's architecture from its own header: PE32 is x86, PE32+ is x64; nothing for
# anything else (a program of the prefix, such as cmd or reg).
pe_arch() {
  [ -f "$1" ] || return 0
  [ "$(head -c 2 "$1" 2>/dev/null)" = MZ ] || return 0
  local pe magic
  pe=$(od -An -tu4 -j60 -N4 "$1" | tr -d ' ')
  [ "$(od -An -c -j"$pe" -N4 "$1" | tr -d ' ')" = 'PE\0\0' ] || return 0
  magic=$(od -An -tx2 -j$((pe + 24)) -N2 "$1" | tr -d ' ')
  case $magic in
    010b) echo x86 ;;
    020b) echo x64 ;;
  esac
}
