#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Measures how tirvex-drawservice serves a normal client under slow clients.

Starts the service on 127.0.0.1 with the given history, opens SLOW connections
that each send a request line and then one header line every --drip seconds
(and connect again whenever the service drops them), and meanwhile asks for a
draw on a fresh connection every --every seconds for --seconds seconds. Prints
one line per run: slow connections open on average, requests, answers in under one
second, failures, the slowest and the median answer.

    python3 scripts/slow-clients.py build/bin/tirvex-drawservice HISTORY 100 1000 4000
"""
import argparse
import asyncio
import socket
import subprocess
import sys
import threading
import time


def free_port():
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


async def drip(port, stop, held, interval):
    line = 0
    while not stop.is_set():
        try:
            reader, writer = await asyncio.open_connection("127.0.0.1", port)
        except OSError:
            await asyncio.sleep(interval)
            continue
        held[0] += 1
        try:
            writer.write(b"GET /zahlen/lotto_neu.asp?Datum=20221127&Ziehung=0 HTTP/1.1\r\n")
            while not stop.is_set():
                await writer.drain()
                await asyncio.sleep(interval)
                if reader.at_eof():
                    break
                line += 1
                writer.write(b"X-Drip-%d: 1\r\n" % line)
        except OSError:
            pass
        finally:
            held[0] -= 1
            writer.close()


def normal_client(port, seconds, every, results, target):
    request = ("GET %s HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n" % target).encode()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        start = time.monotonic()
        try:
            with socket.create_connection(("127.0.0.1", port), timeout=30) as conn:
                conn.sendall(request)
                answer = b""
                while chunk := conn.recv(4096):
                    answer += chunk
            ok = answer.startswith(b"HTTP/1.1 200 ")
        except OSError:
            ok = False
        results.append((time.monotonic() - start, ok))
        time.sleep(every)


async def measure(port, slow, seconds, every, interval, target):
    stop = asyncio.Event()
    held = [0]
    tasks = [asyncio.create_task(drip(port, stop, held, interval)) for _ in range(slow)]
    # Let every slow client get its connection before measuring.
    for _ in range(100):
        if held[0] >= slow:
            break
        await asyncio.sleep(0.1)
    results = []
    worker = threading.Thread(target=normal_client, args=(port, seconds, every, results, target))
    worker.start()
    samples = []
    while worker.is_alive():
        samples.append(held[0])
        await asyncio.sleep(0.05)
    stop.set()
    await asyncio.gather(*tasks, return_exceptions=True)
    return sum(samples) // max(len(samples), 1), results


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("service")
    parser.add_argument("history")
    parser.add_argument("slow", type=int, nargs="+", help="slow connections per run")
    parser.add_argument("--seconds", type=float, default=20)
    parser.add_argument("--every", type=float, default=0.1)
    parser.add_argument("--drip", type=float, default=1.0)
    parser.add_argument("--date", default="20221127", help="a draw the history holds, yyyymmdd")
    args = parser.parse_args()
    target = "/zahlen/lotto_neu.asp?Programm=Tirvex&Datum=%s&Ziehung=0" % args.date
    for slow in args.slow:
        port = free_port()
        service = subprocess.Popen(
            [args.service, "--history", args.history, "--port", str(port)],
            stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
        try:
            if "listening" not in service.stdout.readline():
                sys.exit("the service did not start")
            held, results = asyncio.run(
                measure(port, slow, args.seconds, args.every, args.drip, target))
        finally:
            service.terminate()
            service.wait()
        times = sorted(t for t, ok in results)
        fast = sum(1 for t, ok in results if ok and t < 1.0)
        failed = sum(1 for t, ok in results if not ok)
        print("slow=%d held(mean)=%d requests=%d under1s=%d failed=%d max=%.3fs median=%.4fs"
              % (slow, held, len(results), fast, failed, times[-1], times[len(times) // 2]),
              flush=True)


if __name__ == "__main__":
    main()
