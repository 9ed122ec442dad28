# The case of e2e_8k.sh on a 10240 x 5760 screen.
OBRAZOVKA="10240 5760" . "$(dirname "$0")/e2e_8k.sh"
