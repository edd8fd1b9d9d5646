#!/usr/bin/env bash
# Boots a small virtual machine on Debian's own kernel (QEMU without KVM: none here), with this
# machine's root shared read-only, /dev/input and /dev/uinput of its own, and runs one command
# in it as root; its output comes back on standard output and its exit status is this script's.
# The kernel is downloaded once into the cache folder (the version linux-image-amd64 names).
# Usage: tests/vm/boot.sh CACHE_FOLDER COMMAND [ARGUMENTS...]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cache=$1
shift
mkdir -p "$cache"

kernel_name() {
    apt-cache depends linux-image-amd64 2>/dev/null | awk '/Depends: linux-image-[0-9]/ { print $2; exit }'
}
kernel_package=$(kernel_name)
# A machine whose package lists were never fetched knows no kernel yet.
[ -n "$kernel_package" ] || { apt-get update -qq >/dev/null 2>&1 && kernel_package=$(kernel_name); }
[ -n "$kernel_package" ] || { echo "vm: no kernel package known to apt" >&2; exit 1; }
if [ ! -e "$cache/$kernel_package/ready" ]; then
    rm -rf "$cache/$kernel_package"
    mkdir -p "$cache/$kernel_package"
    (cd "$cache/$kernel_package" && apt-get download -q "$kernel_package" >/dev/null 2>&1 &&
        dpkg-deb -x ./*.deb root && rm ./*.deb) || { echo "vm: cannot download $kernel_package" >&2; exit 1; }
    touch "$cache/$kernel_package/ready"
fi
root="$cache/$kernel_package/root"
modules=$(echo "$root"/lib/modules/*)

# The initramfs: busybox, the modules in the order they need each other, and the init.
image="$cache/initramfs"
rm -rf "$image"
mkdir -p "$image/bin" "$image/modules" "$image/proc" "$image/sys" "$image/dev"
cp /bin/busybox "$image/bin/busybox"
order=(virtio_ring virtio virtio_pci_legacy_dev virtio_pci_modern_dev virtio_pci netfs fscache
       9pnet 9pnet_virtio 9p evdev uinput)
for module in "${order[@]}"; do
    found=$(find "$modules" -name "$module.ko*" | head -n 1)
    [ -n "$found" ] || { echo "vm: no module $module" >&2; exit 1; }
    case $found in
    *.xz) xz -dc "$found" >"$image/modules/$module.ko" ;;
    *) cp "$found" "$image/modules/$module.ko" ;;
    esac
done
printf '%s\n' "${order[@]}" >"$image/modules/order"
cp "$here/init" "$image/init"
chmod +x "$image/init"
(cd "$image" && find . | cpio -o -H newc --quiet | gzip -1) >"$cache/initrd.gz"

# Each argument as it is: the kernel splits its line at blanks.
for argument in "$@"; do
    case $argument in *[[:space:]]*) echo "vm: an argument with blanks: $argument" >&2; exit 2 ;; esac
done
log="$cache/console.log"
timeout 900 qemu-system-x86_64 -accel tcg -cpu max -m 2048 -smp 2 -nographic -no-reboot \
    -kernel "$(echo "$root"/boot/vmlinuz-*)" -initrd "$cache/initrd.gz" \
    -append "console=ttyS0 loglevel=3 panic=-1 -- $*" \
    -virtfs local,path=/,mount_tag=host,security_model=none,readonly=on,multidevs=remap \
    </dev/null 2>&1 | tee "$log" | tr -d '\r' | grep -v '^vm: exit '
status=$(tr -d '\r' <"$log" | sed -n 's/^vm: exit \([0-9]*\)$/\1/p' | tail -n 1)
[ -n "$status" ] || { echo "vm: the machine stopped before the command ended" >&2; exit 1; }
exit "$status"
