# Installs the Debian packages named that are not installed yet, as root or
# through sudo. Sourced by the set-up scripts: InstalleerOntbrekende PAKKET...
InstalleerOntbrekende() {
  local ontbrekend=() p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || ontbrekend+=("$p")
  done
  [ ${#ontbrekend[@]} -gt 0 ] || return 0
  local als_root=()
  if [ "$(id -u)" -ne 0 ]; then als_root=(sudo); fi
  echo "Installeren: ${ontbrekend[*]}"
  "${als_root[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${als_root[@]}" apt-get install -y -qq --no-install-recommends "${ontbrekend[@]}"
}
