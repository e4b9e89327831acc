#!/bin/sh
# Writes into OUTPUT_FOLDER certificate files of every kind the certificate checks tell
# apart, made by the openssl command: PEM certificates (one valid for ten years, one that
# expired in 2021), PEM private keys (RSA, EC with its parameters, PKCS#8, encrypted), the
# same in binary (DER) form, a PKCS#12 bundle, a 4096-bit RSA key too large for the printer,
# and PEM files of the wrong kind. "made" is written last.
#   make-test-certificates.sh OUTPUT_FOLDER [OPENSSL_PROGRAM]
set -eu
out=$1
program=${2:-openssl}
rm -rf "$out"
mkdir -p "$out"
cd "$out"
openssl() { "$program" "$@"; }
quiet() { "$@" 2>/dev/null; }

quiet openssl genpkey -algorithm EC -pkeyopt ec_paramgen_curve:P-256 -out pkcs8.key
quiet openssl req -x509 -key pkcs8.key -subj "/O=Lanvane Tests/CN=Lanvane Test CA" -days 3650 -out ca.pem
quiet openssl req -x509 -key pkcs8.key -subj "/CN=printer.example" -days 3650 -out client.pem
cat ca.pem client.pem > chain.pem

# An expired certificate needs fixed dates, which only "openssl ca" sets.
cat > expired.cnf <<'CONFIG'
[ca]
default_ca = test
[test]
database = index.txt
new_certs_dir = .
serial = serial
default_md = sha256
policy = anything
[anything]
commonName = supplied
CONFIG
: > index.txt
echo 01 > serial
quiet openssl req -new -key pkcs8.key -subj "/CN=Lanvane Expired" -out expired.csr
quiet openssl ca -batch -config expired.cnf -selfsign -keyfile pkcs8.key -in expired.csr -notext \
  -startdate 20200101000000Z -enddate 20210101000000Z -out expired.pem

quiet openssl genrsa -traditional -out rsa.key 2048
quiet openssl ecparam -name prime256v1 -genkey -out ec.key
quiet openssl pkey -in pkcs8.key -aes128 -passout pass:secret -out encrypted.key
quiet openssl rsa -in rsa.key -traditional -aes128 -passout pass:secret -out rsa-encrypted.key
quiet openssl genrsa -out rsa4096.key 4096

quiet openssl x509 -in ca.pem -outform DER -out ca.der
quiet openssl pkey -in rsa.key -outform DER -out rsa.der
quiet openssl pkcs8 -topk8 -in pkcs8.key -v2 aes128 -passout pass:secret -outform DER -out encrypted.der
quiet openssl pkcs12 -export -in client.pem -inkey pkcs8.key -passout pass:secret -out client.p12

cat client.pem pkcs8.key > client-and-key.pem
quiet openssl pkey -in pkcs8.key -pubout -out public.pem
printf -- '-----BEGIN CERTIFICATE-----\nTm8gY2VydGlmaWNhdGUgaW4gaGVyZQ==\n-----END CERTIFICATE-----\n' > garbage.pem

rm -f expired.cnf expired.csr index.txt* serial* 01.pem
touch made
