#!/usr/bin/env bash
# A throwaway PostgreSQL server for the tests of the school's results store.
#   server.sh avvia DIR   makes a cluster in DIR (when missing) and starts it
#                         on a free port, listening on a Unix socket in DIR and
#                         on 127.0.0.1; writes DIR/porta and DIR/pgpass
#   server.sh ferma DIR   stops it (the cluster stays, to be started again)
#   server.sh togli DIR   stops it and removes DIR
#   server.sh nuovo DIR   togli, then avvia: a fresh server
# Started again, it keeps its port when the port is still free.
# Superuser "prova", password in DIR/pgpass; every connection needs a password
# (scram-sha-256), as on a school's server. As root the server runs as the
# "postgres" user the package creates, or "nobody".
set -euo pipefail
azione=${1:?azione}
dir=${2:?cartella}
bin=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -1)
[ -x "$bin/pg_ctl" ] || { echo "server.sh: PostgreSQL is not installed" >&2; exit 1; }

come() { # runs a server program as the cluster's owner
  if [ "$(id -u)" -eq 0 ]; then
    local utente=postgres
    id "$utente" >/dev/null 2>&1 || utente=nobody
    runuser -u "$utente" -- "$@"
  else
    "$@"
  fi
}

porta_libera() {
  python3 - <<'EOF'
import socket
s = socket.socket()
s.bind(("127.0.0.1", 0))
print(s.getsockname()[1])
EOF
}

case "$azione" in
  avvia)
    mkdir -p "$dir"
    dir=$(cd "$dir" && pwd)
    if [ "$(id -u)" -eq 0 ]; then
      # The server's user must pass through the folders above its own (a
      # private temporary folder among them): they may be passed, not read.
      # The tests keep their servers under /tmp, so this is the last one only.
      d=$(dirname "$dir")
      while [ "$d" != / ]; do
        [ "$(( 0$(stat -c %a "$d") & 1 ))" -eq 1 ] || chmod o+x "$d"
        d=$(dirname "$d")
      done
    fi
    if [ ! -f "$dir/dati/PG_VERSION" ]; then
      printf 'segreto-di-prova\n' >"$dir/password"
      [ "$(id -u)" -eq 0 ] && { id postgres >/dev/null 2>&1 && chown -R postgres "$dir" || chown -R nobody "$dir"; }
      come "$bin/initdb" -D "$dir/dati" -U prova --pwfile="$dir/password" -A scram-sha-256 -E UTF8 --locale=C.UTF-8 >"$dir/initdb.log"
    fi
    porta=$(cat "$dir/porta" 2>/dev/null || true)
    if [ -z "$porta" ] || ! python3 -c "import socket,sys; socket.socket().bind(('127.0.0.1', int(sys.argv[1])))" "$porta" 2>/dev/null; then
      porta=$(porta_libera)
    fi
    echo "$porta" >"$dir/porta"
    # The tests read the password as libpq does, from a pgpass file of their own.
    printf '*:*:*:prova:segreto-di-prova\n' >"$dir/pgpass"
    chmod 600 "$dir/pgpass"
    [ "$(id -u)" -eq 0 ] && { id postgres >/dev/null 2>&1 && chown -R postgres "$dir" || chown -R nobody "$dir"; }
    come "$bin/pg_ctl" -D "$dir/dati" -l "$dir/server.log" -w -t 60 start \
      -o "-p $porta -k $dir -c listen_addresses=127.0.0.1 -c fsync=off -c max_connections=200" >/dev/null
    # root reads the pgpass file whatever its owner; anyone else owns it already.
    echo "server.sh: PostgreSQL on port $porta, socket in $dir"
    ;;
  ferma)
    [ -f "$dir/dati/postmaster.pid" ] && come "$bin/pg_ctl" -D "$dir/dati" -w -t 60 -m fast stop >/dev/null
    true
    ;;
  togli)
    [ -f "$dir/dati/postmaster.pid" ] && come "$bin/pg_ctl" -D "$dir/dati" -w -t 60 -m immediate stop >/dev/null
    rm -rf "$dir"
    ;;
  nuovo)
    "$0" togli "$dir"
    exec "$0" avvia "$dir"
    ;;
  *)
    echo "usage: server.sh avvia|ferma|togli|nuovo DIR" >&2
    exit 2
    ;;
esac
