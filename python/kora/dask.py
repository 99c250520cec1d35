"""python3 -m kora.dask RECIPE INPUT OUTPUT [--scheduler ADDRESS]

The series of INPUT in chunks across a Dask cluster (a local one without an
address), written to OUTPUT in input order exactly as `kora batch` writes
them, and resumable the same way. A chunk whose worker dies is computed again
elsewhere by Dask; only the results the driver receives are written, once each.
"""
import argparse
import collections
import sys

from . import _kora

CHUNK = 64  # series a task


def _fit_chunk(recipe, items):
    from kora import _kora as engine

    return engine.lines(recipe, items, 1)


def run(recipe_path, input_path, output_path, client, chunk=CHUNK, on_written=None):
    """Returns the number of series written; ValueError for a recipe, input or output that cannot be used."""
    with open(recipe_path) as file:
        recipe = file.read()
    header = _kora.header(recipe)
    done, exists = _kora.done_ids(output_path, header)
    series = _kora.read_series(input_path)
    in_flight = 4 * max(1, sum(client.nthreads().values()))
    pending = collections.deque()
    written = 0
    with open(output_path, "ab") as out:
        if not exists:
            out.write(header.encode())
            out.flush()

        def write_oldest():
            nonlocal written
            future, count = pending.popleft()
            out.write(future.result().encode())
            out.flush()
            written += count
            if on_written:
                on_written(written)

        items = []
        for item in series:
            if item[0] in done:
                continue
            items.append(item)
            if len(items) == chunk:
                pending.append((client.submit(_fit_chunk, recipe, items, pure=False), len(items)))
                items = []
                while len(pending) > in_flight:
                    write_oldest()
        if items:
            pending.append((client.submit(_fit_chunk, recipe, items, pure=False), len(items)))
        while pending:
            write_oldest()
    return written


def main(argv=None):
    parser = argparse.ArgumentParser(prog="python3 -m kora.dask", description=__doc__.splitlines()[2])
    parser.add_argument("recipe")
    parser.add_argument("input")
    parser.add_argument("output")
    parser.add_argument("--scheduler", help="address of a running dask-scheduler (default: a local cluster)")
    parser.add_argument("--workers", type=int, default=None, help="workers of the local cluster (default: cores)")
    args = parser.parse_args(argv)
    from distributed import Client, LocalCluster

    try:
        if args.scheduler:
            client = Client(args.scheduler)
        else:
            client = Client(LocalCluster(n_workers=args.workers, threads_per_worker=1, processes=True))
        with client:
            written = run(args.recipe, args.input, args.output, client)
    except (ValueError, OSError) as error:
        print(f"kora.dask: {error}", file=sys.stderr)
        return 1
    print(f"kora.dask: {written} series written", file=sys.stderr)
    return 0


if __name__ == "__main__":
    sys.exit(main())
