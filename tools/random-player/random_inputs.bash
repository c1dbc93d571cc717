# The random player's inputs: a 32-bit xorshift generator and the draw of one
# input from it. Every input takes the same six numbers from the generator, so
# a seed always gives the same sequence whatever the game shows.

RNG=1
rng_seed() {
  RNG=$(($1 & 0xFFFFFFFF))
  [ "$RNG" != 0 ] || RNG=2463534242
}
rng_next() {
  RNG=$(((RNG ^ (RNG << 13)) & 0xFFFFFFFF))
  RNG=$((RNG ^ (RNG >> 17)))
  RNG=$(((RNG ^ (RNG << 5)) & 0xFFFFFFFF))
}

KEYS=(Escape Escape Escape Return Return Return KP_Enter alt+Return BackSpace BackSpace Delete
  Left Right Home End Up Down Prior Next Tab space a x 7 shift+Tab)
CHARS=(a b c d e f g h i j k l m n o p q r s t u v w x y z A B Q Z 0 1 2 5 9 " " " " . / - _ é ü)

# Sets INPUT to one of:
#   spot N            a press on one of the top window's known places
#   click FX FY       a press at (FX, FY) thousandths of the top window
#   drag FX FY TX TY  a press, a move and a release
#   button B FX FY    the right button or the wheel (4 up, 5 down)
#   key NAME          a key, with the top window focused
#   text STRING       typed text
#   close             the main window's close icon
draw_input() {
  local r=() i
  for i in 1 2 3 4 5 6; do
    rng_next
    r+=("$RNG")
  done
  local k=$((r[0] % 1000))
  if [ "$k" -lt 440 ]; then
    INPUT="spot $((r[1] % 1000))"
  elif [ "$k" -lt 620 ]; then
    INPUT="click $((r[1] % 1000)) $((r[2] % 1000))"
  elif [ "$k" -lt 680 ]; then
    INPUT="drag $((r[1] % 1000)) $((r[2] % 1000)) $((r[3] % 1000)) $((r[4] % 1000))"
  elif [ "$k" -lt 730 ]; then
    INPUT="button $((3 + r[1] % 3)) $((r[2] % 1000)) $((r[3] % 1000))"
  elif [ "$k" -lt 920 ]; then
    INPUT="key ${KEYS[r[1] % ${#KEYS[@]}]}"
  elif [ "$k" -lt 998 ]; then
    local n=$((1 + r[1] % 12)) s="" x=${r[2]}
    for ((i = 0; i < n; i++)); do
      s+=${CHARS[x % ${#CHARS[@]}]}
      x=$(((x * 1103515245 + 12345) & 0x7FFFFFFF))
    done
    INPUT="text $s"
  else
    INPUT="close"
  fi
}
