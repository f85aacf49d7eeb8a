#!/usr/bin/env bash
# The command line's sync against a second CardDAV server, Xandikos (git-backed,
# no login of its own), started on a free loopback port: first sync both ways,
# a card's photo kept through an edit made with the sqlite3 shell, deletions
# both ways, and a second book getting the server's cards once.
# Usage: xandikos.sh VARNELLE
set -euo pipefail
program="$1"
work="$(mktemp -d)"
server=""
trap '[ -n "$server" ] && kill "$server" 2> /dev/null; rm -rf "$work"' EXIT
fail() { echo "xandikos: $*" >&2; exit 1; }

port="$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')"
xandikos -d "$work/data" --defaults -l 127.0.0.1 -p "$port" > "$work/server.log" 2>&1 &
server=$!
book_url="http://127.0.0.1:$port/user/contacts/addressbook/"
# HTTP as another client of the server: METHOD NAME [CARD] prints the status, then the body.
http() {
  python3 - "$1" "$book_url$2" "${3:-}" << 'PY'
import sys, urllib.request, urllib.error
method, url, card = sys.argv[1], sys.argv[2], sys.argv[3].encode()
request = urllib.request.Request(url, data=card or None, method=method, headers={"Content-Type": "text/vcard"})
try:
    with urllib.request.urlopen(request) as r:
        print(r.status); print(r.read().decode())
except urllib.error.HTTPError as e:
    print(e.code)
except OSError:
    print(0)
PY
}
status() { local out; out="$(http "$@")"; echo "${out%%$'\n'*}"; }
for _ in $(seq 100); do
  [ "$(status GET "")" != 0 ] && break
  sleep 0.1
done

varnelle() { (cd "$work/$1" && shift && "$program" "$@" --password-command "echo unused"); }
count() { sqlite3 "$work/$1/Address.mdb" "SELECT count(*) FROM Address"; }
expect() { grep -qF -- "$2" <<< "$1" || fail "expected '$2' in: $1"; }

mkdir -p "$work/one" "$work/two"
printf 'BEGIN:VCARD\r\nVERSION:3.0\r\nN:Doe;Jane;;;\r\nFN:Jane Doe\r\nORG:Doe Inc\r\nEND:VCARD\r\nBEGIN:VCARD\r\nVERSION:3.0\r\nN:Roe;Rick;;;\r\nFN:Rick Roe\r\nORG:Roe Ltd\r\nEND:VCARD\r\n' > "$work/one/two.vcf"
(cd "$work/one" && "$program" --import two.vcf > /dev/null)
expect "$(varnelle one --add-account "http://127.0.0.1:$port/" --user user)" "syncs with 'addressbook'"
card=$'BEGIN:VCARD\r\nVERSION:3.0\r\nUID:max-1\r\nN:Muster;Max;;;\r\nFN:Max Muster\r\nORG:Acme\r\nEMAIL:max@example.com\r\nPHOTO;ENCODING=b;TYPE=PNG:iVBORw0KGgo=\r\nEND:VCARD\r\n'
[ "$(status PUT max-1.vcf "$card")" = 201 ] || fail "the server took no card"

expect "$(varnelle one --sync)" "1 came in, 2 went out, 0 removed here, 0 removed on the server"
[ "$(count one)" = 3 ] || fail "the book holds $(count one) contacts, not 3"

sqlite3 "$work/one/Address.mdb" "UPDATE Address SET EMail = 'new@example.com' WHERE LastName = 'Muster'"
expect "$(varnelle one --sync)" "0 came in, 1 went out"
stored="$(http GET max-1.vcf)"
expect "$stored" "new@example.com"
expect "$stored" "PHOTO;ENCODING=b;TYPE=PNG:iVBORw0KGgo="

[ "$(status DELETE max-1.vcf)" = 204 ] || fail "the server deleted nothing"
sqlite3 "$work/one/Address.mdb" "DELETE FROM Address WHERE LastName = 'Roe'"
expect "$(varnelle one --sync)" "0 came in, 0 went out, 1 removed here, 1 removed on the server"
[ "$(count one)" = 1 ] || fail "the book holds $(count one) contacts, not 1"

expect "$(varnelle two --add-account "http://127.0.0.1:$port/" --user user)" "syncs with 'addressbook'"
expect "$(varnelle two --sync)" "1 came in, 0 went out"
expect "$(varnelle two --sync)" "0 came in, 0 went out, 0 removed here, 0 removed on the server"
[ "$(sqlite3 "$work/two/Address.mdb" "SELECT LastName FROM Address")" = Doe ] || fail "the second book is not the first"

# An edit goes back as the server's card with only the changed components,
# as a second client reads it.
mm=$'BEGIN:VCARD\r\nVERSION:3.0\r\nUID:mm-1\r\nN:Müller;Maximilian-Alexander;Johann;Dr.;Jr.\r\nFN:Max Müller\r\nADR;TYPE=WORK:;Gebäude 3;Leopoldstraße 12;München;Bayern;80802;Deutschland\r\nTEL;TYPE=WORK:+49 89 1234567 ext. 890\r\nEND:VCARD\r\n'
[ "$(status PUT mm-1.vcf "$mm")" = 201 ] || fail "the server took no card"
expect "$(varnelle one --sync)" "1 came in, 0 went out"
sqlite3 "$work/one/Address.mdb" "UPDATE Address SET LastName = 'Müller-Lüdenscheidt', ZipCode = '80803' WHERE LastName = 'Müller'"
expect "$(varnelle one --sync)" "0 came in, 1 went out"
stored="$(http GET mm-1.vcf | tr -d '\r' | sed ':a;N;$!ba;s/\n //g')"
for line in "N:Müller-Lüdenscheidt;Maximilian-Alexander;Johann;Dr.;Jr." "FN:Max Müller" \
            "ADR;TYPE=WORK:;Gebäude 3;Leopoldstraße 12;München;Bayern;80803;Deutschland" \
            "TEL;TYPE=WORK:+49 89 1234567 ext. 890"; do
  expect "$stored" "$line"
done

# The server's address book emptied: refused until the user says what to do.
for href in $(sqlite3 "$work/one/Address.mdb" "SELECT Href FROM SyncContact"); do
  [ "$(status DELETE "${href##*/}")" = 204 ] || fail "the server deleted nothing"
done
if out="$(varnelle one --sync 2>&1)"; then fail "an emptied address book was followed: $out"; fi
expect "$out" "--sync --accept-removal"
expect "$out" "--sync --upload-all"
[ "$(count one)" = 2 ] || fail "the book holds $(count one) contacts, not 2"
expect "$(varnelle one --sync --upload-all)" "0 came in, 2 went out, 0 removed here, 0 removed on the server"
expect "$(varnelle one --sync)" "0 came in, 0 went out, 0 removed here, 0 removed on the server"
echo "xandikos: 1 passed, 0 failed"
