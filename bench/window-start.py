#!/usr/bin/env python3
"""How long the desktop window takes to appear: from starting the program to the main window's
first paint, on a virtual X display (Xvfb), the median of RUNS starts; and the CPU time the
program used until then (the figure that counts on a loaded machine).

    bench/window-start.py BUILD/bin/qimbel [RUNS]

The program prints the moment of its first paint when QIMBEL_FIRST_PAINT is set and then ends.
A scratch home holds its session and 错题本, so the pupil's own are not touched; --keep-home
HOME uses (and leaves) a home of one's own, e.g. with a saved session in it.
"""
import os
import statistics
import subprocess
import sys
import tempfile
import time


def main():
    args = sys.argv[1:]
    home = None
    if '--keep-home' in args:
        at = args.index('--keep-home')
        home = args[at + 1]
        del args[at:at + 2]
    program = os.path.abspath(args[0])
    runs = int(args[1]) if len(args) > 1 else 5
    with tempfile.TemporaryDirectory() as scratch:
        env = dict(os.environ, QIMBEL_FIRST_PAINT='1', HOME=home or scratch)
        env.pop('QT_QPA_PLATFORM', None)
        env.pop('WAYLAND_DISPLAY', None)
        # Xvfb picks a free display and writes its number to the pipe.
        read, write = os.pipe()
        display = subprocess.Popen(['Xvfb', '-displayfd', str(write), '-screen', '0', '1920x1080x24', '-nolisten', 'tcp'],
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, pass_fds=(write,))
        os.close(write)
        try:
            with os.fdopen(read) as numbers:
                env['DISPLAY'] = ':' + numbers.readline().strip()
            times = []
            cpu = []
            for _ in range(runs + 1):  # the first start warms the disk cache and is not counted
                start = time.monotonic()
                out = subprocess.run([program], env=env, capture_output=True, text=True, timeout=120).stdout
                painted = [line for line in out.splitlines() if line.startswith('first paint ')]
                if not painted:
                    sys.exit('no first paint reported: ' + out)
                times.append(int(painted[0].split()[2]) / 1e6 - start)
                cpu.append(int(painted[0].split()[3]) / 1e6)
            times = times[1:]
            cpu = cpu[1:]
        finally:
            display.terminate()
            display.wait()
    print('window shown after ' + ', '.join(f'{t * 1000:.0f}' for t in times)
          + f' ms; median {statistics.median(times) * 1000:.0f} ms')
    print('CPU time until then ' + ', '.join(f'{t * 1000:.0f}' for t in cpu)
          + f' ms; median {statistics.median(cpu) * 1000:.0f} ms')


if __name__ == '__main__':
    main()
