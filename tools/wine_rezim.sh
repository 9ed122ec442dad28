# Which Windows build Wine runs on this machine; sourced by the scripts that start Wine. A kernel that
# runs 32-bit programs runs the 32-bit build, the product itself, under 32-bit Wine (the windows
# preset). Some kernels run 64-bit programs only: there the Windows tests and the program run the
# 64-bit build of the same tree under 64-bit Wine (the windows64 preset), and Wine's commands on PATH
# start its 64-bit loader. Sets ZV_WIN_PRESET and WINEARCH, and PATH for 64-bit Wine.
# The 32-bit C library's loader comes with 32-bit Wine; it runs when the kernel runs 32-bit programs.
if /lib/ld-linux.so.2 --version >/dev/null 2>&1; then
  ZV_WIN_PRESET=windows
  export WINEARCH=win32
else
  ZV_WIN_PRESET=windows64
  export WINEARCH=win64
  zv_wine64="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/wine64"
  case ":$PATH:" in
    *":$zv_wine64:"*) ;;
    *) export PATH="$zv_wine64:$PATH" ;;
  esac
fi
