# Sourced by test.sh and run.sh: makes printing under Wine reach a printer.
# Wine prints through CUPS; a CUPS queue named PDF on the cups-pdf backend,
# made the default, turns every printed page into a PDF file in $HOME/PDF of
# the user who prints (poppler-utils' pdftotext reads it back).
#
#   tm_setup_printing     installs the packages when missing, starts cupsd
#                         when it is not running, makes the PDF queue and
#                         makes it the default; quick when all is in place
#   tm_pdf_folder         the folder the printed PDF files land in
#
# Installs as root only (any other user is told the command, status 2);
# starting cupsd and making the queue go through sudo when not root.
# Needs tools/install-deps.sh sourced first.

TM_PRINTING_PACKAGES=(
    cups cups-bsd printer-driver-cups-pdf poppler-utils
    libcups2:i386    # the 32-bit Wine side loads it to see the printers
)
TM_PRINTER=PDF
TM_PRINTER_PPD=lsb/usr/cups-pdf/CUPS-PDF_opt.ppd

tm_cupsd_running() {
    lpstat -r 2>/dev/null | grep -q "is running"
}

# Starts the scheduler only when it is not running (it puts itself into the
# background), then waits until it answers.
tm_start_cupsd() {
    tm_cupsd_running && return 0
    local cupsd
    cupsd=$(command -v cupsd || echo /usr/sbin/cupsd)
    echo "setup-printing: starting $cupsd"
    tm_sudo "$cupsd" </dev/null >/dev/null 2>&1 || true
    local tries
    for tries in $(seq 50); do
        tm_cupsd_running && return 0
        sleep 0.2
    done
    echo "setup-printing: cupsd does not answer" >&2
    return 1
}

tm_ensure_pdf_printer() {
    if ! lpstat -v "$TM_PRINTER" 2>/dev/null | grep -q "cups-pdf:/"; then
        echo "setup-printing: making the printer $TM_PRINTER (cups-pdf)"
        tm_sudo lpadmin -p "$TM_PRINTER" -v cups-pdf:/ -E -m "$TM_PRINTER_PPD" || return 1
    fi
    if ! lpstat -d 2>/dev/null | grep -q ": $TM_PRINTER\$"; then
        tm_sudo lpadmin -d "$TM_PRINTER" || return 1
    fi
}

tm_pdf_folder() {
    echo "${HOME:-/root}/PDF"
}

tm_setup_printing() {
    tm_install_packages setup-printing "${TM_PRINTING_PACKAGES[@]}" || return $?
    tm_start_cupsd || return 1
    tm_ensure_pdf_printer || return 1
    return 0
}
